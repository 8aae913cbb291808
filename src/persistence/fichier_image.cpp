#include "persistence/fichier_image.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include "persistence/ecriture_image.h"
#include "persistence/fichier_bmp.h"
#include "persistence/image_qt.h"

namespace orvane {

namespace {

// Largest picture accepted, in bytes of 32-bit pixels: Qt's own allocation limit.
constexpr qint64 kOctetsImageMax = 128LL * 1024 * 1024;

}  // namespace

Bitmap lire_fichier_image(const QString& chemin) {
  if (!QFileInfo(chemin).isFile()) refuser_lecture(chemin, QStringLiteral("fichier introuvable"));
  QImageReader lecteur(chemin);
  lecteur.setDecideFormatFromContent(true);
  if (!lecteur.canRead()) refuser_lecture(chemin, QStringLiteral("ce n'est pas une image lisible"));
  if (lecteur.format() == "bmp") return lire_fichier_bmp(chemin);

  const QSize taille = lecteur.size();
  if (taille.isValid() && qint64{4} * taille.width() * taille.height() > kOctetsImageMax)
    refuser_lecture(chemin, QStringLiteral("image trop grande (%1 x %2)")
                                .arg(taille.width())
                                .arg(taille.height()));
  QImage image;
  if (!lecteur.read(&image) || image.isNull())
    refuser_lecture(chemin, QStringLiteral("données illisibles (%1)").arg(lecteur.errorString()));
  return vers_bitmap(image);
}

void enregistrer_image(const QString& chemin, const Bitmap& image) {
  const QByteArray format = QFileInfo(chemin).suffix().toLower().toLatin1();
  if (format.isEmpty() || format == "bmp" ||
      !QImageWriter::supportedImageFormats().contains(format)) {
    ecrire_fichier_bmp(chemin, image);
    return;
  }
  ecrire_image_atomique(chemin, image, format.constData());
}

QString filtre_images_lisibles() {
  QStringList motifs;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    motifs << QStringLiteral("*.") + QString::fromLatin1(format);
  return QStringLiteral("images (%1);;tous les fichiers (*)").arg(motifs.join(u' '));
}

QString filtre_images_ecrites() {
  QStringList motifs;
  for (const QByteArray& format : QImageWriter::supportedImageFormats())
    motifs << QStringLiteral("*.") + QString::fromLatin1(format);
  return QStringLiteral("images (*.bmp);;autres formats (%1)").arg(motifs.join(u' '));
}

}  // namespace orvane
