#include "persistence/image_compacte.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr std::uint32_t kRepetitions = 0x80000000u;
constexpr std::uint32_t kCouleur = 0xFFFFFFu;

}  // namespace

ImageCompacte::ImageCompacte(const Bitmap& image)
    : largeur_(image.width()), hauteur_(image.height()) {
  const std::size_t n = static_cast<std::size_t>(largeur_) * static_cast<std::size_t>(hauteur_);
  if (n == 0) return;
  const Colour* p = image.data();
  // The worst case is reserved and the unused end given back: a reservation costs pages
  // only where it is written.
  mots_.reserve(n);
  std::size_t i = 0;
  while (i < n) {
    const std::uint32_t couleur = p[i] & kCouleur;
    mots_.push_back(couleur);
    std::size_t fin = i + 1;
    while (fin < n && (p[fin] & kCouleur) == couleur && fin - i <= ~kRepetitions) ++fin;
    if (fin - i > 1) mots_.push_back(kRepetitions | static_cast<std::uint32_t>(fin - i - 1));
    i = fin;
  }
  mots_.shrink_to_fit();
}

Bitmap ImageCompacte::deplier() const {
  Bitmap image(largeur_, hauteur_);
  Colour* sortie = image.data();
  std::uint32_t derniere = 0;
  for (const std::uint32_t mot : mots_) {
    if (mot & kRepetitions) {
      const std::uint32_t n = mot & ~kRepetitions;
      sortie = std::fill_n(sortie, n, derniere);
    } else {
      derniere = mot;
      *sortie++ = mot;
    }
  }
  return image;
}

}  // namespace orvane
