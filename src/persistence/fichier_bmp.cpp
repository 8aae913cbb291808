#include "persistence/fichier_bmp.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include "persistence/achever_ecriture.h"
#include "persistence/image_qt.h"
#include "persistence/longueur_bmp.h"

namespace orvane {

namespace {

// Largest picture accepted, in bytes of 32-bit pixels: Qt's own allocation limit.
constexpr qint64 kOctetsImageMax = 128LL * 1024 * 1024;

// Enough for the file header and every field of the info header that is checked.
constexpr qint64 kOctetsEntete = 64;

[[noreturn]] void refuser_lecture(const QString& chemin, const QString& raison) {
  throw ErreurFichier(
      QStringLiteral("Impossible de lire l'image « %1 » : %2.").arg(chemin, raison).toStdString());
}

[[noreturn]] void refuser_ecriture(const QString& chemin, const QString& raison) {
  throw ErreurFichier(
      QStringLiteral("Impossible d'écrire l'image « %1 » : %2.").arg(chemin, raison).toStdString());
}

void verifier_longueur(const QString& chemin, QSize taille) {
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly))
    refuser_lecture(chemin, QStringLiteral("fichier illisible (%1)").arg(fichier.errorString()));
  const qint64 attendu = longueur_minimale_bmp(fichier.read(kOctetsEntete), taille);
  if (fichier.size() < attendu)
    refuser_lecture(chemin, QStringLiteral("fichier tronqué (%1 octets au lieu d'au moins %2)")
                                .arg(fichier.size())
                                .arg(attendu));
}

}  // namespace

Bitmap lire_fichier_bmp(const QString& chemin) {
  if (!QFile::exists(chemin)) refuser_lecture(chemin, QStringLiteral("fichier introuvable"));

  QImageReader lecteur(chemin);
  lecteur.setDecideFormatFromContent(true);
  if (!lecteur.canRead() || lecteur.format() != "bmp")
    refuser_lecture(chemin, QStringLiteral("ce n'est pas une image BMP"));

  const QSize taille = lecteur.size();
  if (taille.isEmpty()) refuser_lecture(chemin, QStringLiteral("en-tête BMP endommagé"));
  if (qint64{4} * taille.width() * taille.height() > kOctetsImageMax)
    refuser_lecture(chemin, QStringLiteral("image trop grande (%1 x %2)")
                                .arg(taille.width())
                                .arg(taille.height()));
  verifier_longueur(chemin, taille);

  // Qt decodes into this image when size and format match, so pixels an RLE stream skips
  // keep the value 0 (black, or the first palette colour) instead of stale memory.
  QImage image(taille, lecteur.imageFormat());
  if (image.isNull()) refuser_lecture(chemin, QStringLiteral("format de pixels inconnu"));
  image.fill(0);
  if (!lecteur.read(&image))
    refuser_lecture(chemin, QStringLiteral("données illisibles (%1)").arg(lecteur.errorString()));
  return vers_bitmap(image);
}

void ecrire_fichier_bmp(const QString& chemin, const Bitmap& image) {
  if (image.width() <= 0 || image.height() <= 0)
    refuser_ecriture(chemin, QStringLiteral("image vide"));

  QSaveFile fichier(chemin);
  if (!fichier.open(QIODevice::WriteOnly)) refuser_ecriture(chemin, fichier.errorString());
  QImageWriter ecrivain(&fichier, "bmp");
  if (!ecrivain.write(vers_qimage(image))) {
    fichier.cancelWriting();
    refuser_ecriture(chemin, ecrivain.errorString());
  }
  const QString raison = achever_ecriture(fichier);
  if (!raison.isEmpty()) refuser_ecriture(chemin, raison);
}

}  // namespace orvane
