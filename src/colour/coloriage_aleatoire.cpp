#include "colour/coloriage_aleatoire.h"

#include <cmath>

namespace orvane {

std::string texte_pourcentage(long long v, long long d) {
  const long double p =
      std::nearbyint(static_cast<long double>(v) / static_cast<long double>(d) * 100.0L);
  const long long n = p > 100.0L ? 100 : static_cast<long long>(p);
  return std::to_string(n) + " %";
}

bool parcours_en_ligne_pour(int symetrie) { return symetrie == 0 || symetrie == 1; }

void parcours_en_ligne(const Canvas& toile, int centre_y, Colour& couleur_peinture,
                       const EnvironnementColoriage& env) {
  constexpr int pas = 25;
  int x = env.pointeur().x % pas;
  const int y = centre_y - env.pointeur().y % pas;
  env.legende_y("100 %");
  while (x <= toile.width()) {
    couleur_peinture = env.couleur_aleatoire();
    env.montrer_peinture(couleur_peinture);
    if (toile.Pixels(x, y) != couleur_peinture) {
      env.remplir({x, y}, couleur_peinture);
      // A row outside the picture reads CLR_INVALID, which is no colour: the paint colour
      // keeps the one drawn.
      const Colour lue = toile.Pixels(x, y);
      if (lue != CLR_INVALID) couleur_peinture = lue;
    }
    x += pas;
    env.legende_x(texte_pourcentage(x, toile.width() + 10LL));
  }
}

void parcours_en_grille(const Canvas& toile, Colour couleur_crayon, Colour& couleur_peinture,
                        Aleatoire& aleatoire, const EnvironnementColoriage& env) {
  const int pas = 100 + aleatoire.Random(50);
  int y = env.pointeur().y % pas;
  while (y <= toile.height() + 10) {
    int x = env.pointeur().x % pas;
    while (x <= toile.width() + 10) {
      couleur_peinture = env.couleur_aleatoire();
      const Colour lue = toile.Pixels(x, y);
      if (lue != couleur_peinture && lue != couleur_crayon) env.remplir({x, y}, couleur_peinture);
      x += pas;
      env.legende_x(texte_pourcentage(x, toile.width() + 10LL));
      if (env.arret_demande()) return;
    }
    y += pas;
    env.legende_y(texte_pourcentage(y, toile.height() + 10LL));
  }
}

}  // namespace orvane
