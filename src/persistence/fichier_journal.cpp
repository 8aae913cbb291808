#include "persistence/fichier_journal.h"

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
  const QFileInfo info(chemin_image);
  const QString suffixe = info.suffix();
  // A picture saved under a journal's name keeps its own: the journal goes beside it.
  if (suffixe.isEmpty() || suffixe.compare(QStringLiteral("orvane"), Qt::CaseInsensitive) == 0)
    return chemin_image + QStringLiteral(".orvane");
  return chemin_image.left(chemin_image.size() - suffixe.size()) + QStringLiteral("orvane");
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

}  // namespace orvane
