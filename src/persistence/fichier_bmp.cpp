#include "persistence/fichier_bmp.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include "persistence/ecriture_image.h"
#include "persistence/image_qt.h"
#include "persistence/longueur_bmp.h"

namespace orvane {

namespace {

// Largest picture accepted, in bytes of 32-bit pixels: Qt's own allocation limit.
constexpr qint64 kOctetsImageMax = 128LL * 1024 * 1024;

// Enough for the file header and every field of the info header that is checked.
constexpr qint64 kOctetsEntete = 64;

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

std::optional<std::pair<qint64, qint64>> dimensions_entete(const QString& chemin) {
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly)) return std::nullopt;
  return dimensions_entete_bmp(fichier.read(kOctetsEntete));
}

}  // namespace

Bitmap lire_fichier_bmp(const QString& chemin) {
  if (!QFile::exists(chemin)) refuser_lecture(chemin, QStringLiteral("fichier introuvable"));

  QImageReader lecteur(chemin);
  lecteur.setDecideFormatFromContent(true);
  if (!lecteur.canRead() || lecteur.format() != "bmp")
    refuser_lecture(chemin, QStringLiteral("ce n'est pas une image BMP"));

  QSize taille = lecteur.size();
  // Qt gives no size for a picture beyond its own limits: say so rather than "damaged".
  const std::optional<std::pair<qint64, qint64>> annoncees = dimensions_entete(chemin);
  const qint64 largeur = taille.isEmpty() && annoncees ? annoncees->first : taille.width();
  const qint64 hauteur = taille.isEmpty() && annoncees ? annoncees->second : taille.height();
  if (largeur > 0 && hauteur > 0 && largeur * hauteur > kOctetsImageMax / 4)
    refuser_lecture(chemin, QStringLiteral("image trop grande (%1 x %2)").arg(largeur).arg(hauteur));
  if (taille.isEmpty()) refuser_lecture(chemin, QStringLiteral("en-tête BMP endommagé"));
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
  ecrire_image_atomique(chemin, image, "bmp");
}

}  // namespace orvane
