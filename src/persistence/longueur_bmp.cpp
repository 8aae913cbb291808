#include "persistence/longueur_bmp.h"

#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace orvane {

namespace {

constexpr int kEnteteFichier = 14;  // "BM", file size, reserved, offset of the pixels

// Compression codes of the info header.
constexpr quint32 kSansCompression = 0;
constexpr quint32 kRle8 = 1;
constexpr quint32 kRle4 = 2;
constexpr quint32 kChampsDeBits = 3;
constexpr quint32 kChampsDeBitsAlpha = 6;

quint32 lire32(const QByteArray& b, int position) {
  return qFromLittleEndian<quint32>(b.constData() + position);
}
quint16 lire16(const QByteArray& b, int position) {
  return qFromLittleEndian<quint16>(b.constData() + position);
}

// Lengths are worked out in 128 bits, where no header's numbers can overflow, and then
// capped: a length past what a file can hold is refused all the same.
using Longueur = __int128;

qint64 plafonnee(Longueur n) {
  constexpr qint64 max = std::numeric_limits<qint64>::max();
  return n > max ? max : static_cast<qint64>(n);
}

}  // namespace

std::optional<std::pair<qint64, qint64>> dimensions_entete_bmp(const QByteArray& debut) {
  if (debut.size() < kEnteteFichier + 4) return std::nullopt;
  const quint32 taille_entete = lire32(debut, kEnteteFichier);
  if (taille_entete == 12) {
    if (debut.size() < kEnteteFichier + 8) return std::nullopt;
    return std::pair<qint64, qint64>{lire16(debut, kEnteteFichier + 4),
                                     lire16(debut, kEnteteFichier + 6)};
  }
  if (debut.size() < kEnteteFichier + 12) return std::nullopt;
  // The height is negative for a picture stored top row first.
  const auto largeur = static_cast<qint32>(lire32(debut, kEnteteFichier + 4));
  const auto hauteur = static_cast<qint32>(lire32(debut, kEnteteFichier + 8));
  return std::pair<qint64, qint64>{largeur, std::abs(static_cast<qint64>(hauteur))};
}

qint64 longueur_minimale_bmp(const QByteArray& debut, QSize taille) {
  if (debut.size() < kEnteteFichier + 4 || taille.isEmpty()) return 0;
  const qint64 decalage = lire32(debut, 10);
  const quint32 taille_entete = lire32(debut, kEnteteFichier);
  // The OS/2 core header has 16-bit sizes, the others 32-bit ones.
  const bool os2_court = taille_entete == 12;
  const int position_bits = kEnteteFichier + (os2_court ? 10 : 14);
  if (debut.size() < position_bits + 2) return 0;
  const qint64 bits = lire16(debut, position_bits);
  const bool a_compression = !os2_court && taille_entete >= 20;
  if (a_compression && debut.size() < kEnteteFichier + 20) return 0;
  const quint32 compression = a_compression ? lire32(debut, kEnteteFichier + 16) : 0;

  // Where the pixels start; a zero offset means right after the headers.
  const Longueur debut_pixels = std::max<qint64>(decalage, kEnteteFichier + qint64{taille_entete});

  switch (compression) {
    case kSansCompression:
    case kChampsDeBits:
    case kChampsDeBitsAlpha: {
      if (bits <= 0) return 0;
      const Longueur largeur_bits = Longueur{taille.width()} * bits;
      const Longueur ligne = (largeur_bits + 7) / 8;
      const Longueur pas = (largeur_bits + 31) / 32 * 4;
      // The padding of the last row may be missing.
      return plafonnee(debut_pixels + pas * (taille.height() - 1) + ligne);
    }
    case kRle8:
    case kRle4: {
      if (a_compression && debut.size() >= kEnteteFichier + 24) {
        const qint64 taille_donnees = lire32(debut, kEnteteFichier + 20);
        if (taille_donnees > 0) return plafonnee(debut_pixels + taille_donnees);
      }
      return plafonnee(debut_pixels + 2);  // at least the end-of-bitmap code
    }
    default:
      return 0;
  }
}

}  // namespace orvane
