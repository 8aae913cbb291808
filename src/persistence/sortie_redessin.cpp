#include "persistence/sortie_redessin.h"

#include <QFileInfo>

#include "persistence/causes_fichier.h"
#include "persistence/ecriture_image.h"

namespace orvane {

namespace {

// JPEG stores each side in 16 bits.
constexpr std::int64_t kCoteMaxJpeg = 65535;

// "png", "bmp" or "jpeg" by the name's extension; empty for any other.
QByteArray format_redessin(const QString& chemin) {
  const QString extension = QFileInfo(chemin).suffix().toLower();
  if (extension == u"png" || extension == u"bmp") return extension.toLatin1();
  if (extension == u"jpg" || extension == u"jpeg") return "jpeg";
  return {};
}

QString refus(const QString& chemin, const QString& cause) {
  return QStringLiteral("Impossible d'écrire l'image « %1 » : %2.").arg(chemin, cause);
}

QString refus_extension(const QString& chemin) {
  return refus(chemin, QStringLiteral("son nom doit finir par %1")
                           .arg(QString::fromUtf8(kExtensionsRedessin)));
}

}  // namespace

QString filtre_images_redessin() {
  return QStringLiteral("images (*.png *.bmp *.jpg *.jpeg)");
}

QString refus_sortie_redessin(const QString& chemin, std::int64_t largeur, std::int64_t hauteur) {
  const QByteArray format = format_redessin(chemin);
  const bool jpeg = format == "jpeg";
  if (format.isEmpty()) return refus_extension(chemin);
  const QFileInfo repertoire(QFileInfo(chemin).absolutePath());
  if (!repertoire.isDir()) return refus(chemin, QStringLiteral("répertoire introuvable"));
  if (!repertoire.isWritable())
    return refus(chemin, QStringLiteral("le répertoire « %1 » n'est pas accessible en écriture")
                             .arg(repertoire.filePath()));
  const QString occupe = refus_remplacement(chemin);
  if (!occupe.isEmpty()) return refus(chemin, occupe);
  if (jpeg && (largeur > kCoteMaxJpeg || hauteur > kCoteMaxJpeg))
    return refus(chemin, QStringLiteral("le format JPEG ne dépasse pas %1 pixels de côté, "
                                        "l'image en aurait %2 x %3")
                             .arg(kCoteMaxJpeg).arg(largeur).arg(hauteur));
  return QString();
}

bool ecrire_redessin(const QString& chemin, const Bitmap& image, const ProgresEcriture& progres) {
  const QByteArray format = format_redessin(chemin);
  if (format.isEmpty()) throw ErreurFichier(refus_extension(chemin).toStdString());
  return ecrire_image_atomique(chemin, image, format.constData(), progres);
}

QString memoire_manquante_redessin(std::int64_t largeur, std::int64_t hauteur) {
  return QStringLiteral("La mémoire manque pour une image de %1 x %2 pixels : "
                        "essayez une échelle plus petite.")
      .arg(largeur)
      .arg(hauteur);
}

}  // namespace orvane
