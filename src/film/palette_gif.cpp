#include "film/palette_gif.h"

#include <algorithm>
#include <numeric>

namespace orvane {

namespace {

constexpr std::size_t kCouleurs = 256;
// Colours remembered with their index; past this the memory starts again.
constexpr std::size_t kTrouvesMax = std::size_t{1} << 20;

// All the picture's colours, or nothing when it has more than kCouleurs.
std::vector<Colour> couleurs_exactes(const Bitmap& image) {
  std::vector<Colour> couleurs;
  Colour precedente = CLR_INVALID;
  const std::size_t n = static_cast<std::size_t>(image.width()) * image.height();
  for (std::size_t i = 0; i < n; ++i) {
    const Colour c = image.data()[i] & 0xFFFFFFu;
    if (c == precedente) continue;
    precedente = c;
    if (std::find(couleurs.begin(), couleurs.end(), c) != couleurs.end()) continue;
    if (couleurs.size() == kCouleurs) return {};
    couleurs.push_back(c);
  }
  return couleurs;
}

// The mean colours of the most used cells of 5 bits a channel.
std::vector<Colour> couleurs_reduites(const Bitmap& image) {
  constexpr std::size_t kCases = std::size_t{1} << 15;
  std::vector<std::int64_t> nombre(kCases), r(kCases), g(kCases), b(kCases);
  const std::size_t n = static_cast<std::size_t>(image.width()) * image.height();
  for (std::size_t i = 0; i < n; ++i) {
    const Colour c = image.data()[i];
    const std::size_t cas = static_cast<std::size_t>((rouge(c) >> 3) | (vert(c) >> 3) << 5 |
                                                     (bleu(c) >> 3) << 10);
    ++nombre[cas];
    r[cas] += rouge(c);
    g[cas] += vert(c);
    b[cas] += bleu(c);
  }
  std::vector<std::size_t> ordre(kCases);
  std::iota(ordre.begin(), ordre.end(), 0);
  std::partial_sort(ordre.begin(), ordre.begin() + kCouleurs, ordre.end(),
                    [&](std::size_t x, std::size_t y) { return nombre[x] > nombre[y]; });
  std::vector<Colour> couleurs;
  for (std::size_t i = 0; i < kCouleurs && nombre[ordre[i]] > 0; ++i) {
    const std::size_t cas = ordre[i];
    const std::int64_t m = nombre[cas];
    couleurs.push_back(RGB(static_cast<int>((r[cas] + m / 2) / m),
                           static_cast<int>((g[cas] + m / 2) / m),
                           static_cast<int>((b[cas] + m / 2) / m)));
  }
  return couleurs;
}

}  // namespace

PaletteGif::PaletteGif(const Bitmap& image) : couleurs_(couleurs_exactes(image)) {
  if (couleurs_.empty()) couleurs_ = couleurs_reduites(image);
  if (couleurs_.empty()) couleurs_.push_back(0);
  for (std::size_t i = 0; i < couleurs_.size(); ++i) {
    const Colour c = couleurs_[i];
    argb_[i] = 0xFF000000u | static_cast<std::uint32_t>(rouge(c)) << 16 |
               static_cast<std::uint32_t>(vert(c)) << 8 | static_cast<std::uint32_t>(bleu(c));
  }
}

std::uint8_t PaletteGif::plus_proche(Colour c) {
  const auto trouve = trouves_.find(c);
  if (trouve != trouves_.end()) return trouve->second;
  std::size_t meilleur = 0;
  int ecart_min = 1 << 30;
  for (std::size_t i = 0; i < couleurs_.size(); ++i) {
    const int dr = rouge(c) - rouge(couleurs_[i]);
    const int dg = vert(c) - vert(couleurs_[i]);
    const int db = bleu(c) - bleu(couleurs_[i]);
    const int ecart = dr * dr + dg * dg + db * db;
    if (ecart < ecart_min) {
      ecart_min = ecart;
      meilleur = i;
    }
  }
  if (trouves_.size() >= kTrouvesMax) trouves_.clear();
  trouves_.emplace(c, static_cast<std::uint8_t>(meilleur));
  return static_cast<std::uint8_t>(meilleur);
}

void PaletteGif::indexer(const Bitmap& image, std::uint8_t* indices, int pas) {
  Colour precedente = CLR_INVALID;
  std::uint8_t index = 0;
  for (int y = 0; y < image.height(); ++y) {
    const Colour* ligne = image.row(y);
    std::uint8_t* sortie = indices + static_cast<std::ptrdiff_t>(y) * pas;
    for (int x = 0; x < image.width(); ++x) {
      const Colour c = ligne[x] & 0xFFFFFFu;
      if (c != precedente) {
        precedente = c;
        index = plus_proche(c);
      }
      sortie[x] = index;
    }
  }
}

}  // namespace orvane
