#include "persistence/ecriture_image.h"

#include <QIODevice>
#include <QImageWriter>
#include <new>

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

// Qt's encoders write into the atomic file; one that fails keeps its cause there.
class SortieQt : public QIODevice {
 public:
  explicit SortieQt(EcritureAtomique& fichier) : fichier_(fichier) {
    open(QIODevice::WriteOnly);
  }
  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* donnees, qint64 longueur) override {
    return fichier_.ecrire(donnees, static_cast<std::size_t>(longueur)) ? longueur : -1;
  }

 private:
  EcritureAtomique& fichier_;
};

// The formats without an encoder of our own, for pictures of a screen's size: through a
// QImage copy and Qt's writer.
IssueCodage coder_par_qt(const Bitmap& image, const char* format, EcritureAtomique& fichier,
                         const ProgresEcriture& progres) {
  const QImage copie = vers_qimage(image);
  if (copie.isNull()) return IssueCodage::MemoireManquante;
  SortieQt sortie(fichier);
  QImageWriter ecrivain(&sortie, format);
  if (!ecrivain.write(copie))
    return fichier.cause().isEmpty() ? IssueCodage::Echouee : IssueCodage::EcritureEchouee;
  return progres(image.height(), image.height()) ? IssueCodage::Finie : IssueCodage::Arretee;
}

IssueCodage coder(const Bitmap& image, const QByteArray& format, EcritureAtomique& fichier,
                  const ProgresEcriture& progres) {
  if (format == "png") return coder_png(image, fichier, progres);
  if (format == "jpeg" || format == "jpg") return coder_jpeg(image, fichier, progres);
  if (format == "bmp") return coder_bmp(image, fichier, progres);
  return coder_par_qt(image, format.constData(), fichier, progres);
}

}  // namespace

void ecrire_image_atomique(const QString& chemin, const Bitmap& image, const char* format) {
  ecrire_image_atomique(chemin, image, format, [](std::int64_t, std::int64_t) { return true; });
}

bool ecrire_image_atomique(const QString& chemin, const Bitmap& image, const char* format,
                           const ProgresEcriture& progres) {
  if (image.width() <= 0 || image.height() <= 0)
    refuser_ecriture(chemin, QStringLiteral("image vide"));
  if (!progres(0, image.height())) return false;
  EcritureAtomique fichier(chemin);
  if (!fichier.cause().isEmpty()) refuser_ecriture(chemin, fichier.cause());
  switch (coder(image, QByteArray(format).toLower(), fichier, progres)) {
    case IssueCodage::Finie: break;
    case IssueCodage::Arretee: return false;
    case IssueCodage::MemoireManquante: throw std::bad_alloc();
    case IssueCodage::EcritureEchouee: refuser_ecriture(chemin, fichier.cause());
    case IssueCodage::Echouee:
      refuser_ecriture(chemin, QStringLiteral("le codage au format %1 a échoué")
                                   .arg(QString::fromLatin1(format).toUpper()));
  }
  const QString raison = fichier.valider();
  if (!raison.isEmpty()) refuser_ecriture(chemin, raison);
  return true;
}

}  // namespace orvane
