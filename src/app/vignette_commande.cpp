#include "app/vignette_commande.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QUrl>
#include <new>
#include <string>

#include "app/echec_commande.h"
#include "persistence/ecriture_atomique.h"
#include "persistence/erreur_fichier.h"

namespace orvane {

namespace {

QString chemin_local(const std::string& nom) {
  const QString chemin = QFile::decodeName(nom.c_str());
  if (!chemin.startsWith(QLatin1String("file:"))) return chemin;
  return QUrl(chemin).toLocalFile();
}

}  // namespace

QImage vignette_de(const Bitmap& image, int taille) {
  // The bitmap's 0x00BBGGRR pixels are the bytes R, G, B, 0: Qt reads them in place.
  const QImage vue(reinterpret_cast<const uchar*>(image.data()), image.width(), image.height(),
                   static_cast<qsizetype>(image.width()) * 4, QImage::Format_RGBX8888);
  if (image.width() <= taille && image.height() <= taille)
    return vue.convertToFormat(QImage::Format_RGB32);
  return vue.scaled(taille, taille, Qt::KeepAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

int vignette_en_commande(const DemandeVignette& demande, const LectureDessin& lire,
                         std::ostream& erreurs) {
  const QString sortie = chemin_local(demande.sortie);
  try {
    const Dessin dessin = lire(chemin_local(demande.journal));
    const std::optional<Bitmap> image = rendre(dessin, 1, false, {});
    if (!image) return echec_commande(erreurs, "Le redessin s'est arrêté avant la fin.");
    const QImage petite = vignette_de(*image, demande.taille);
    if (petite.isNull()) throw std::bad_alloc();
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, "png");
    if (!ecrivain.write(petite))
      return echec_commande(erreurs, "La vignette n'a pas pu être codée en PNG.");
    const QString raison = ecrire_atomiquement(sortie, png);
    if (!raison.isEmpty()) return echec_commande(erreurs, raison.toStdString());
  } catch (const ErreurFichier& e) {
    return echec_commande(erreurs, e.what());
  } catch (const std::bad_alloc&) {
    return echec_commande(erreurs, "La mémoire manque pour redessiner ce journal.");
  } catch (const std::exception& e) {
    return echec_commande(erreurs, std::string("Le redessin a échoué : ") + e.what());
  }
  return 0;
}

}  // namespace orvane
