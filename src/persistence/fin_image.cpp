#include "persistence/fin_image.h"

#include <QtEndian>
#include <cstring>

namespace orvane {

bool png_complet(const uchar* octets, qint64 taille) {
  qint64 position = 8;  // the signature
  while (position + 8 <= taille) {
    if (std::memcmp(octets + position + 4, "IEND", 4) == 0) return true;
    // Length, type, data, check sum.
    position += 12 + qint64{qFromBigEndian<quint32>(octets + position)};
  }
  return false;
}

bool jpeg_complet(const uchar* octets, qint64 taille) {
  qint64 position = 2;  // start of image
  while (position < taille) {
    // Bytes between segments are skipped, as decoders do.
    if (octets[position] != 0xFF) {
      ++position;
      continue;
    }
    while (position < taille && octets[position] == 0xFF) ++position;  // fill bytes
    if (position >= taille) return false;
    const uchar marqueur = octets[position++];
    if (marqueur == 0xD9) return true;
    if (marqueur == 0x00 || marqueur == 0x01 || (marqueur >= 0xD0 && marqueur <= 0xD7)) continue;
    if (position + 2 > taille) return false;
    position += qFromBigEndian<quint16>(octets + position);
    if (marqueur != 0xDA) continue;
    // The coded data after a start of scan, up to the next marker that is not a stuffed
    // byte or a restart.
    while (position + 1 < taille) {
      const uchar suivant = octets[position + 1];
      if (octets[position] == 0xFF && suivant != 0x00 && (suivant < 0xD0 || suivant > 0xD7)) break;
      ++position;
    }
  }
  return false;
}

}  // namespace orvane
