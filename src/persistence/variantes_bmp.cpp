#include "persistence/variantes_bmp.h"

#include <QtEndian>

namespace orvane {

namespace {

constexpr int kEnteteFichier = 14;

// Header sizes of the format's variants that Qt has no reader for.
constexpr quint32 kEnteteOs2Court = 16;
constexpr quint32 kEnteteV2 = 52;
constexpr quint32 kEnteteV3 = 56;
constexpr quint32 kEnteteOs2 = 64;

// Compression codes; 3 and 4 mean something else under the OS/2 header.
constexpr quint32 kChampsDeBitsOuHuffman = 3;
constexpr quint32 kJpegOuRle24 = 4;
constexpr quint32 kPng = 5;
constexpr quint32 kChampsDeBitsAlpha = 6;

}  // namespace

QString variante_bmp_non_lue(const QByteArray& debut) {
  if (debut.size() < kEnteteFichier + 20 || !debut.startsWith("BM")) return QString();
  const char* d = debut.constData();
  const auto taille_entete = qFromLittleEndian<quint32>(d + kEnteteFichier);
  if (taille_entete == 12) return QString();  // every variant of the oldest header is read
  const auto bits = qFromLittleEndian<quint16>(d + kEnteteFichier + 14);
  const quint32 compression =
      taille_entete >= 20 ? qFromLittleEndian<quint32>(d + kEnteteFichier + 16) : 0;

  if (taille_entete == kEnteteOs2 && compression == kChampsDeBitsOuHuffman && bits == 1)
    return QStringLiteral("compression Huffman 1D");
  if (taille_entete == kEnteteOs2 && compression == kJpegOuRle24 && bits == 24)
    return QStringLiteral("compression RLE24");
  if (taille_entete != kEnteteOs2 && compression == kJpegOuRle24)
    return QStringLiteral("image JPEG incluse");
  if (compression == kPng) return QStringLiteral("image PNG incluse");
  if (compression == kChampsDeBitsAlpha) return QStringLiteral("champs de bits avec alpha");
  if (bits == 2 || bits == 64) return QStringLiteral("%1 bits par pixel").arg(bits);
  if (taille_entete == kEnteteOs2Court || taille_entete == kEnteteV2 || taille_entete == kEnteteV3)
    return QStringLiteral("en-tête de %1 octets").arg(taille_entete);
  return QString();
}

}  // namespace orvane
