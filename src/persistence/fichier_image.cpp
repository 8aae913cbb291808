#include "persistence/fichier_image.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <algorithm>

#include "persistence/causes_fichier.h"
#include "persistence/ecriture_image.h"
#include "persistence/fichier_bmp.h"
#include "persistence/fin_image.h"
#include "persistence/image_qt.h"
#include "persistence/taille_decodage.h"

namespace orvane {

namespace {

// Qt's GIF reader sets aside the whole logical screen, however small the picture in it.
QSize ecran_gif(QFile& fichier, QSize taille) {
  const QByteArray debut = fichier.peek(10);
  if (debut.size() < 10) return taille;
  const int largeur = qFromLittleEndian<quint16>(debut.constData() + 6);
  const int hauteur = qFromLittleEndian<quint16>(debut.constData() + 8);
  return QSize(std::max(largeur, taille.width()), std::max(hauteur, taille.height()));
}

// Checks that the file holds the whole picture, for the formats Qt would open cut short.
void verifier_fin(const QString& chemin, QFile& fichier, const QByteArray& format) {
  const bool png = format == "png";
  if (!png && format != "jpeg") return;
  const qint64 taille = fichier.size();
  const uchar* octets = taille > 0 ? fichier.map(0, taille) : nullptr;
  if (!octets) return;  // Qt's own checks then
  const bool complet = png ? png_complet(octets, taille) : jpeg_complet(octets, taille);
  fichier.unmap(const_cast<uchar*>(octets));
  if (!complet)
    refuser_lecture(chemin, QStringLiteral("fichier tronqué (image %1 incomplète)")
                                .arg(QString::fromLatin1(format).toUpper()));
}

}  // namespace

Bitmap lire_fichier_image(const QString& chemin) {
  QFile fichier;
  const QString refus = ouvrir_fichier_ordinaire(chemin, fichier);
  if (!refus.isEmpty()) refuser_lecture(chemin, refus);
  QImageReader lecteur(&fichier);
  if (!lecteur.canRead()) refuser_lecture(chemin, QStringLiteral("ce n'est pas une image lisible"));
  const QByteArray format = lecteur.format();
  if (format == "bmp") return lire_bmp_ouvert(chemin, fichier);

  QSize taille = lecteur.size();
  if (format == "gif") taille = ecran_gif(fichier, taille);
  if (taille.isValid()) {
    const QImage::Format pixels = lecteur.imageFormat();
    const int bits = pixels == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(pixels).bitsPerPixel();
    const QString trop_grande = refus_taille_image(taille.width(), taille.height(), bits);
    if (!trop_grande.isEmpty()) refuser_lecture(chemin, trop_grande);
  }
  verifier_fin(chemin, fichier, format);
  QImage image;
  if (!lecteur.read(&image) || image.isNull()) refuser_lecture(chemin, raison_lecteur(lecteur));
  return vers_bitmap(image);
}

QString format_ecrit(const QString& nom) {
  const QString extension = QFileInfo(nom).suffix().toLower();
  const bool autre = !extension.isEmpty() &&
                     QImageWriter::supportedImageFormats().contains(extension.toLatin1());
  return autre ? extension : QStringLiteral("bmp");
}

void enregistrer_image(const QString& chemin, const Bitmap& image) {
  const QByteArray format = format_ecrit(chemin).toLatin1();
  if (format == "bmp") {
    ecrire_fichier_bmp(chemin, image);
    return;
  }
  ecrire_image_atomique(chemin, image, format.constData());
}

QString filtre_images_lisibles() {
  QStringList motifs;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    motifs << QStringLiteral("*.") + QString::fromLatin1(format);
  // A journal opens as the picture it draws.
  return QStringLiteral("images et journaux (*.orvane %1);;journaux Orvane (*.orvane);;"
                        "tous les fichiers (*)")
      .arg(motifs.join(u' '));
}

QString filtre_images_ecrites(const QString& format) {
  QStringList motifs;
  for (const QByteArray& autre : QImageWriter::supportedImageFormats())
    motifs << QStringLiteral("*.") + QString::fromLatin1(autre);
  return QStringLiteral("images (*.%1);;autres formats (%2)").arg(format, motifs.join(u' '));
}

}  // namespace orvane
