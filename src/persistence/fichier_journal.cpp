#include "persistence/fichier_journal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "persistence/causes_fichier.h"
#include "persistence/ecriture_atomique.h"
#include "persistence/format_journal.h"

namespace orvane {

namespace {

[[noreturn]] void refuser(const QString& modele, const QString& chemin, const QString& raison) {
  throw ErreurFichier(modele.arg(chemin, raison).toStdString());
}

}  // namespace

bool est_journal(const QString& chemin) {
  if (chemin.endsWith(QStringLiteral(".orvane"), Qt::CaseInsensitive)) return true;
  QFile fichier;
  if (!ouvrir_fichier_ordinaire(chemin, fichier).isEmpty()) return false;
  return commence_comme_journal(fichier.read(sizeof kMagieJournal));
}

QString chemin_journal_de(const QString& chemin_image) {
  return chemin_image + QStringLiteral(".orvane");
}

namespace {

// The name earlier versions gave the journal: the picture's suffix replaced, image.png and
// image.jpg both giving image.orvane. Empty where that was the name above.
QString ancien_chemin_journal_de(const QString& chemin_image) {
  const QString suffixe = QFileInfo(chemin_image).suffix();
  if (suffixe.isEmpty() || suffixe.compare(QStringLiteral("orvane"), Qt::CaseInsensitive) == 0)
    return {};
  return chemin_image.left(chemin_image.size() - suffixe.size()) + QStringLiteral("orvane");
}

// Whether the journal under the old name was the last thing "Sauve" wrote for this picture
// among the pictures that shared it: "Sauve" writes the picture, then its journal.
bool ancien_journal_a_elle(const QFileInfo& image, const QFileInfo& journal) {
  const QDateTime ecrite = image.lastModified();
  const QDateTime fin = journal.lastModified();
  if (ecrite > fin) return false;
  const QString base = image.completeBaseName() + u'.';
  const QFileInfoList voisins = image.dir().entryInfoList(QDir::Files | QDir::Hidden);
  for (const QFileInfo& autre : voisins) {
    const QString nom = autre.fileName();
    if (nom == image.fileName() || !nom.startsWith(base) || nom.indexOf(u'.', base.size()) >= 0 ||
        autre.suffix().compare(QStringLiteral("orvane"), Qt::CaseInsensitive) == 0)
      continue;
    const QDateTime date = autre.lastModified();
    if (date >= ecrite && date <= fin) return false;
  }
  return true;
}

}  // namespace

QString journal_de_l_image(const QString& chemin_image) {
  const QString propre = chemin_journal_de(chemin_image);
  if (QFileInfo(propre).isFile()) return propre;
  const QString ancien = ancien_chemin_journal_de(chemin_image);
  if (ancien.isEmpty()) return {};
  const QFileInfo journal(ancien), image(chemin_image);
  if (!journal.isFile() || !image.isFile() || !ancien_journal_a_elle(image, journal)) return {};
  return ancien;
}

Journal lire_journal(const QString& chemin) {
  const QString modele = QStringLiteral("Impossible de lire le journal « %1 » : %2.");
  QFile fichier;
  const QString refus = ouvrir_fichier_ordinaire(chemin, fichier);
  if (!refus.isEmpty()) refuser(modele, chemin, refus);
  if (fichier.size() > kOctetsMaxJournal)
    refuser(modele, chemin, QStringLiteral("fichier bien trop grand pour un journal"));
  // Every size and count inside is checked against the bytes there are: a file of any
  // length cannot make the reading set aside more than the limits of the format.
  const QByteArray octets = fichier.readAll();
  if (fichier.error() != QFileDevice::NoError)
    refuser(modele, chemin, QStringLiteral("erreur de lecture du fichier"));
  try {
    return journal_des_octets(octets);
  } catch (const JournalIllisible& e) {
    refuser(modele, chemin, QString::fromUtf8(e.what()));
  }
}

void ecrire_journal(const QString& chemin, const Journal& journal) {
  const QString raison = ecrire_atomiquement(chemin, octets_journal(journal));
  if (!raison.isEmpty())
    refuser(QStringLiteral("Impossible d'écrire le journal « %1 » : %2."), chemin, raison);
}

QString retirer_journal_perime(const QString& chemin_image, const QString& echec) {
  const QString chemin = chemin_journal_de(chemin_image);
  const QString message =
      echec + QStringLiteral(" L'image « %1 » est enregistrée sans journal").arg(chemin_image);
  // Only a regular file that begins as a journal is one; anything else there stays.
  QFile fichier;
  if (!ouvrir_fichier_ordinaire(chemin, fichier).isEmpty() ||
      !commence_comme_journal(fichier.read(sizeof kMagieJournal)))
    return message + u'.';
  fichier.close();
  if (QFile::remove(chemin))
    return message +
           QStringLiteral(" ; l'ancien journal, qui redessinait l'image d'avant, est supprimé.");
  return message + QStringLiteral(", mais l'ancien journal « %1 » n'a pas pu être supprimé : il "
                                  "redessine l'image d'avant, pas celle-ci.")
                       .arg(chemin);
}

}  // namespace orvane
