#include "platform/reduction_moyenne.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace orvane {

namespace {

int moyenne(std::uint32_t somme, std::uint32_t nombre) {
  std::uint32_t q = somme / nombre;
  const std::uint32_t reste2 = 2 * (somme % nombre);
  if (reste2 > nombre || (reste2 == nombre && q % 2 == 1)) ++q;
  return static_cast<int>(q);
}

}  // namespace

Bitmap reduire_par_moyenne(const Bitmap& source, int facteur, Veille* veille) {
  if (facteur <= 1) return source;
  Bitmap resultat(source.width() / facteur, source.height() / facteur);
  reduire_lignes_par_moyenne(source, facteur, resultat, 0, resultat.height(), veille);
  return resultat;
}

void reduire_lignes_par_moyenne(const Bitmap& source, int facteur, Bitmap& resultat,
                                int premiere, int derniere, Veille* veille) {
  const int largeur = resultat.width();
  const auto nombre = static_cast<std::uint32_t>(facteur * facteur);
  // The sums of one row of blocks, three channels side by side; read row by row, the
  // source is walked once in memory order.
  std::vector<std::uint32_t> sommes(static_cast<std::size_t>(largeur) * 3);
  for (int y = premiere; y < derniere; ++y) {
    std::fill(sommes.begin(), sommes.end(), 0u);
    for (int dy = 0; dy < facteur; ++dy) {
      const Colour* ligne = source.row(y * facteur + dy);
      for (int x = 0; x < largeur; ++x) {
        std::uint32_t* s = &sommes[static_cast<std::size_t>(x) * 3];
        for (int dx = 0; dx < facteur; ++dx) {
          const Colour c = ligne[x * facteur + dx];
          s[0] += c & 0xFF;
          s[1] += (c >> 8) & 0xFF;
          s[2] += (c >> 16) & 0xFF;
        }
      }
    }
    Colour* sortie = resultat.row(y);
    for (int x = 0; x < largeur; ++x) {
      const std::uint32_t* s = &sommes[static_cast<std::size_t>(x) * 3];
      sortie[x] = RGB(moyenne(s[0], nombre), moyenne(s[1], nombre), moyenne(s[2], nombre));
    }
    veiller_pixels(veille, std::int64_t{largeur} * nombre);
  }
}

}  // namespace orvane
