#include "persistence/sortie_redessin.h"

#include <QFileInfo>

#include "persistence/causes_fichier.h"

namespace orvane {

namespace {

// JPEG stores each side in 16 bits.
constexpr std::int64_t kCoteMaxJpeg = 65535;

QString refus(const QString& chemin, const QString& cause) {
  return QStringLiteral("Impossible d'écrire l'image « %1 » : %2.").arg(chemin, cause);
}

}  // namespace

QString filtre_images_redessin() {
  return QStringLiteral("images (*.png *.bmp *.jpg *.jpeg)");
}

QString refus_sortie_redessin(const QString& chemin, std::int64_t largeur, std::int64_t hauteur) {
  const QString extension = QFileInfo(chemin).suffix().toLower();
  const bool jpeg = extension == u"jpg" || extension == u"jpeg";
  if (!jpeg && extension != u"png" && extension != u"bmp")
    return refus(chemin, QStringLiteral("son nom doit finir par %1")
                             .arg(QString::fromUtf8(kExtensionsRedessin)));
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

}  // namespace orvane
