#include "persistence/taille_decodage.h"

#include <QImageReader>
#include <algorithm>

namespace orvane {

namespace {

constexpr qint64 kMo = 1024 * 1024;
// Qt's default, kept for the canvas when Qt's own limit is lifted.
constexpr qint64 kLimiteMoDefaut = 128;

}  // namespace

QString refus_taille_image(qint64 largeur, qint64 hauteur, int bits_par_pixel) {
  const int limite_qt = QImageReader::allocationLimit();
  const qint64 limite_mo = limite_qt > 0 ? limite_qt : kLimiteMoDefaut;
  // The picture ends up as 32-bit pixels whatever its own depth.
  const qint64 bits = std::max(bits_par_pixel, 32);
  const long double octets = static_cast<long double>(largeur) * hauteur * bits / 8;
  if (octets <= static_cast<long double>(limite_mo * kMo)) return QString();
  return QStringLiteral("image trop grande (%1 x %2 à %3 bits par pixel : %4 Mo à décoder, "
                        "au-delà de la limite de %5 Mo)")
      .arg(largeur)
      .arg(hauteur)
      .arg(bits)
      .arg(static_cast<double>(octets / kMo), 0, 'f', 0)
      .arg(limite_mo);
}

}  // namespace orvane
