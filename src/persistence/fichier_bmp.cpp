#include "persistence/fichier_bmp.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include "persistence/causes_fichier.h"
#include "persistence/ecriture_image.h"
#include "persistence/image_qt.h"
#include "persistence/longueur_bmp.h"
#include "persistence/taille_decodage.h"
#include "persistence/variantes_bmp.h"

namespace orvane {

namespace {

// Enough for the file header and every field of the info header that is checked.
constexpr qint64 kOctetsEntete = 64;

[[noreturn]] void refuser_entete(const QString& chemin, const QByteArray& debut) {
  const QString variante = variante_bmp_non_lue(debut);
  if (!variante.isEmpty())
    refuser_lecture(chemin, QStringLiteral("variante de BMP non prise en charge (%1)").arg(variante));
  refuser_lecture(chemin, QStringLiteral("en-tête BMP endommagé"));
}

}  // namespace

Bitmap lire_bmp_ouvert(const QString& chemin, QFile& fichier) {
  if (!fichier.seek(0)) refuser_lecture(chemin, QStringLiteral("erreur de lecture du fichier"));
  const QByteArray debut = fichier.read(kOctetsEntete);
  if (!fichier.seek(0)) refuser_lecture(chemin, QStringLiteral("erreur de lecture du fichier"));

  QImageReader lecteur(&fichier);
  if (!lecteur.canRead() || lecteur.format() != "bmp")
    refuser_lecture(chemin, QStringLiteral("ce n'est pas une image BMP"));

  QSize taille = lecteur.size();
  // A picture stored top row first has a negative height in its header, and Qt says so.
  if (taille.width() > 0 && taille.height() < 0) taille.setHeight(-taille.height());
  // Qt gives no size for a picture beyond its own limits: say so rather than "damaged".
  const std::optional<std::pair<qint64, qint64>> annoncees = dimensions_entete_bmp(debut);
  const qint64 largeur = taille.isEmpty() && annoncees ? annoncees->first : taille.width();
  const qint64 hauteur = taille.isEmpty() && annoncees ? annoncees->second : taille.height();
  if (largeur > 0 && hauteur > 0) {
    const QString trop_grande = refus_taille_image(largeur, hauteur, 32);
    if (!trop_grande.isEmpty()) refuser_lecture(chemin, trop_grande);
  }
  if (taille.isEmpty()) refuser_entete(chemin, debut);
  const qint64 attendu = longueur_minimale_bmp(debut, taille);
  if (fichier.size() < attendu)
    refuser_lecture(chemin, QStringLiteral("fichier tronqué (%1 octets au lieu d'au moins %2)")
                                .arg(fichier.size())
                                .arg(attendu));

  // Qt decodes into this image when size and format match, so pixels an RLE stream skips
  // keep the value 0 (black, or the first palette colour) instead of stale memory.
  QImage image(taille, lecteur.imageFormat());
  if (image.isNull()) refuser_lecture(chemin, QStringLiteral("format de pixels inconnu"));
  image.fill(0);
  if (!lecteur.read(&image)) {
    if (!variante_bmp_non_lue(debut).isEmpty()) refuser_entete(chemin, debut);
    refuser_lecture(chemin, raison_lecteur(lecteur));
  }
  return vers_bitmap(image);
}

Bitmap lire_fichier_bmp(const QString& chemin) {
  QFile fichier;
  const QString refus = ouvrir_fichier_ordinaire(chemin, fichier);
  if (!refus.isEmpty()) refuser_lecture(chemin, refus);
  return lire_bmp_ouvert(chemin, fichier);
}

void ecrire_fichier_bmp(const QString& chemin, const Bitmap& image) {
  ecrire_image_atomique(chemin, image, "bmp");
}

}  // namespace orvane
