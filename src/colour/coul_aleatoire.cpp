#include "colour/coul_aleatoire.h"

namespace orvane {

namespace {

int haut(Aleatoire& a) { return 128 + a.Random(127); }
int bas(Aleatoire& a) { return a.Random(128); }

Colour normale(Aleatoire& a) {
  const int b = a.Random(255);
  const int g = a.Random(255);
  const int r = a.Random(255);
  return RGB(r, g, b);
}

// One or two high channels; the draws follow the order of each row, which fixes the
// colour a given seed produces.
Colour vive(Aleatoire& a) {
  int r = 0;
  int g = 0;
  int b = 0;
  switch (a.Random(6)) {
    case 0:
      r = haut(a);
      b = bas(a);
      g = bas(a);
      break;
    case 1:
      g = haut(a);
      b = bas(a);
      r = bas(a);
      break;
    case 2:
      b = haut(a);
      g = bas(a);
      r = bas(a);
      break;
    case 3:
      g = haut(a);
      r = haut(a);
      b = bas(a);
      break;
    case 4:
      b = haut(a);
      g = haut(a);
      r = bas(a);
      break;
    default:
      b = haut(a);
      r = haut(a);
      g = bas(a);
      break;
  }
  return RGB(r, g, b);
}

Colour degrade(Colour origine, Aleatoire& a) {
  const int r = a.Random(rouge(origine));
  const int g = a.Random(vert(origine));
  const int b = a.Random(bleu(origine));
  return RGB(r, g, b);
}

Colour gris(Aleatoire& a) {
  const int v = a.Random(255);
  return RGB(v, v, v);
}

}  // namespace

Colour coul_aleatoire(int coul_type, Colour origine_degrade, Aleatoire& aleatoire) {
  switch (coul_type) {
    case COUL_VIVE:
      return vive(aleatoire);
    case COUL_DEGRADE:
      return degrade(origine_degrade, aleatoire);
    case COUL_GRIS:
      return gris(aleatoire);
    default:
      return normale(aleatoire);
  }
}

}  // namespace orvane
