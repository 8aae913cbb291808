#pragma once

// A small figure of few colours on an odd-sized canvas: a rosace of thick strokes, then a
// fill of the background.
#include "journal/journal.h"

namespace orvane::test {

inline constexpr int kLargeurExemple = 129, kHauteurExemple = 97;
inline constexpr Colour kFondExemple = RGB(20, 30, 90);

inline EntreeTrait segment(Point a, Point b, Colour couleur, int petales, int largeur) {
  ReglagesTrace r;
  r.nb_petales = petales;
  r.epaisseur = largeur;
  r.largeur_ecran = kLargeurExemple;
  return EntreeTrait{a, b, R2_COPYPEN, couleur, largeur, r,
                     {kLargeurExemple / 2, kHauteurExemple / 2}, couleur, 0, {}};
}

// `segments` moves of a stroke of 6 petals in three colours; with `remplir`, the background
// filled last in a light colour.
inline Journal journal_exemple(int segments = 24, bool remplir = true) {
  Journal j;
  j.ajouter(EntreeToile{kLargeurExemple, kHauteurExemple, kFondExemple});
  const Colour couleurs[] = {RGB(250, 220, 40), RGB(230, 40, 40), RGB(60, 220, 90)};
  Point p{kLargeurExemple / 2 + 6, kHauteurExemple / 2};
  for (int i = 0; i < segments; ++i) {
    const Point q{p.x + (i % 3 == 0 ? 3 : 2), p.y + (i % 2 == 0 ? 2 : -1)};
    j.ajouter(segment(p, q, couleurs[i * 3 / segments], 6, 7));
    p = q;
  }
  if (remplir) {
    EntreeTrait fill = segment({1, 1}, {1, 1}, RGB(250, 250, 250), 1, 1);
    fill.reglages.peindre_dessiner = 1;
    fill.couleur_peinture = RGB(240, 240, 230);
    j.ajouter(fill);
  }
  return j;
}

}  // namespace orvane::test
