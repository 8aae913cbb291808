#include "persistence/ecriture_image.h"

#include <QImageWriter>
#include <QSaveFile>

#include "persistence/achever_ecriture.h"
#include "persistence/image_qt.h"

namespace orvane {

void refuser_lecture(const QString& chemin, const QString& raison) {
  throw ErreurFichier(
      QStringLiteral("Impossible de lire l'image « %1 » : %2.").arg(chemin, raison).toStdString());
}

void refuser_ecriture(const QString& chemin, const QString& raison) {
  throw ErreurFichier(
      QStringLiteral("Impossible d'écrire l'image « %1 » : %2.").arg(chemin, raison).toStdString());
}

void ecrire_image_atomique(const QString& chemin, const Bitmap& image, const char* format) {
  if (image.width() <= 0 || image.height() <= 0)
    refuser_ecriture(chemin, QStringLiteral("image vide"));
  QSaveFile fichier(chemin);
  if (!fichier.open(QIODevice::WriteOnly)) refuser_ecriture(chemin, fichier.errorString());
  QImageWriter ecrivain(&fichier, format);
  if (!ecrivain.write(vers_qimage(image))) {
    // The writer only says "Unknown error". After a failed write the file knows the cause
    // (a full disk...) but tells it only through commit(), which refuses a file with a
    // write error and deletes the temporary; the target stays as it was either way.
    if (fichier.error() != QFileDevice::NoError && !fichier.commit())
      refuser_ecriture(chemin, fichier.errorString());
    fichier.cancelWriting();
    refuser_ecriture(chemin, ecrivain.errorString());
  }
  const QString raison = achever_ecriture(fichier);
  if (!raison.isEmpty()) refuser_ecriture(chemin, raison);
}

}  // namespace orvane
