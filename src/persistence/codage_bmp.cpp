// The uncompressed 24-bit BMP that Qt writes, header for header, written row by row from the
// bitmap: Qt's writer would first convert the whole picture to its own pixel format.
#include <QtEndian>
#include <array>
#include <new>
#include <vector>

#include "persistence/codage_lignes.h"

namespace orvane {

namespace {

constexpr int kTailleEntete = 14 + 40;
constexpr std::uint32_t kPointsParMetre = 3937;  // 100 dots an inch, as Qt writes

template <class T>
void poser(std::array<char, kTailleEntete>& entete, int position, T valeur) {
  qToLittleEndian(valeur, entete.data() + position);
}

}  // namespace

IssueCodage coder_bmp(const Bitmap& image, EcritureAtomique& fichier,
                      const ProgresEcriture& progres) {
  const std::uint32_t largeur = static_cast<std::uint32_t>(image.width());
  const std::uint32_t hauteur = static_cast<std::uint32_t>(image.height());
  // Rows of 3-byte pixels padded to 4 bytes.
  const std::uint32_t octets_ligne = (largeur * 3 + 3) / 4 * 4;
  const std::uint64_t octets_pixels = std::uint64_t{octets_ligne} * hauteur;
  if (octets_pixels + kTailleEntete > 0xFFFFFFFFu) return IssueCodage::Echouee;

  std::array<char, kTailleEntete> entete{};
  entete[0] = 'B';
  entete[1] = 'M';
  poser<std::uint32_t>(entete, 2, static_cast<std::uint32_t>(octets_pixels + kTailleEntete));
  poser<std::uint32_t>(entete, 10, kTailleEntete);
  poser<std::uint32_t>(entete, 14, 40);
  poser<std::int32_t>(entete, 18, static_cast<std::int32_t>(largeur));
  poser<std::int32_t>(entete, 22, static_cast<std::int32_t>(hauteur));  // bottom row first
  poser<std::uint16_t>(entete, 26, 1);
  poser<std::uint16_t>(entete, 28, 24);
  poser<std::uint32_t>(entete, 34, static_cast<std::uint32_t>(octets_pixels));
  poser<std::uint32_t>(entete, 38, kPointsParMetre);
  poser<std::uint32_t>(entete, 42, kPointsParMetre);
  if (!fichier.ecrire(entete.data(), entete.size())) return IssueCodage::EcritureEchouee;

  std::vector<char> ligne;
  try {
    ligne.assign(octets_ligne, 0);
  } catch (const std::bad_alloc&) {
    return IssueCodage::MemoireManquante;
  }
  CompteLignes compte(progres, hauteur);
  for (int y = image.height() - 1; y >= 0; --y) {
    const Colour* pixels = image.row(y);
    char* octet = ligne.data();
    for (std::uint32_t x = 0; x < largeur; ++x) {
      *octet++ = static_cast<char>(bleu(pixels[x]));
      *octet++ = static_cast<char>(vert(pixels[x]));
      *octet++ = static_cast<char>(rouge(pixels[x]));
    }
    if (!fichier.ecrire(ligne.data(), ligne.size())) return IssueCodage::EcritureEchouee;
    if (!compte.ligne_faite()) {
      compte.relancer();
      return IssueCodage::Arretee;
    }
  }
  return IssueCodage::Finie;
}

}  // namespace orvane
