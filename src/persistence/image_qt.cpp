#include "persistence/image_qt.h"

#include <new>

namespace orvane {

Bitmap vers_bitmap(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  // Qt says that memory ran short by a null picture.
  if (image.isNull() && !source.isNull()) throw std::bad_alloc();
  Bitmap resultat(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* depart = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    Colour* arrivee = resultat.row(y);
    for (int x = 0; x < image.width(); ++x)
      arrivee[x] = RGB(qRed(depart[x]), qGreen(depart[x]), qBlue(depart[x]));
  }
  return resultat;
}

QImage vers_qimage(const Bitmap& source) {
  QImage image(source.width(), source.height(), QImage::Format_RGB32);
  if (image.isNull()) return image;  // memory ran short
  for (int y = 0; y < source.height(); ++y) {
    const Colour* depart = source.row(y);
    QRgb* arrivee = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < source.width(); ++x)
      arrivee[x] = qRgb(rouge(depart[x]), vert(depart[x]), bleu(depart[x]));
  }
  return image;
}

QString raison_lecteur(const QImageReader& lecteur) {
  switch (lecteur.error()) {
    case QImageReader::FileNotFoundError: return QStringLiteral("fichier introuvable");
    case QImageReader::DeviceError: return QStringLiteral("erreur de lecture du fichier");
    case QImageReader::UnsupportedFormatError:
      return QStringLiteral("format d'image non pris en charge");
    case QImageReader::InvalidDataError: return QStringLiteral("données de l'image endommagées");
    default: return QStringLiteral("le décodage de l'image a échoué");
  }
}

}  // namespace orvane
