#include "persistence/ecriture_image.h"

#include <QBuffer>
#include <QImageWriter>

#include "persistence/ecriture_atomique.h"
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

namespace {

// A buffer that takes no more bytes once the work is to stop: the encoder gives up at its
// next write instead of finishing a picture nobody wants.
class TamponInterruptible : public QBuffer {
 public:
  TamponInterruptible(QByteArray* octets, const std::function<bool()>& continuer)
      : QBuffer(octets), continuer_(continuer) {}

 protected:
  qint64 writeData(const char* donnees, qint64 longueur) override {
    if (!continuer_()) return -1;
    return QBuffer::writeData(donnees, longueur);
  }

 private:
  const std::function<bool()>& continuer_;
};

}  // namespace

void ecrire_image_atomique(const QString& chemin, const Bitmap& image, const char* format) {
  ecrire_image_atomique(chemin, image, format, [] { return true; });
}

bool ecrire_image_atomique(const QString& chemin, const Bitmap& image, const char* format,
                           const std::function<bool()>& continuer) {
  if (image.width() <= 0 || image.height() <= 0)
    refuser_ecriture(chemin, QStringLiteral("image vide"));
  // Encoded in memory first: the file then gets every byte or none, and a failure names
  // the disk's own cause.
  QByteArray octets;
  octets.reserve(qsizetype{4} * image.width() * image.height() + 1024);  // no regrowth
  TamponInterruptible tampon(&octets, continuer);
  tampon.open(QIODevice::WriteOnly);
  QImageWriter ecrivain(&tampon, format);
  const bool code = ecrivain.write(vers_qimage(image));
  if (!continuer()) return false;
  if (!code)
    refuser_ecriture(chemin, QStringLiteral("le codage au format %1 a échoué")
                                 .arg(QString::fromLatin1(format).toUpper()));
  const QString raison = ecrire_atomiquement(chemin, octets);
  if (!raison.isEmpty()) refuser_ecriture(chemin, raison);
  return true;
}

}  // namespace orvane
