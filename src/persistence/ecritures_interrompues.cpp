#include "persistence/ecritures_interrompues.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>

#include "persistence/ecriture_atomique.h"

namespace orvane {

namespace {

bool processus_vivant(qint64 processus) {
  if (processus == ::getpid()) return true;
  // EPERM: it runs, under another user.
  return ::kill(static_cast<pid_t>(processus), 0) == 0 || errno == EPERM;
}

bool fichier_ordinaire(const QString& chemin) {
  struct stat etat {};
  return ::lstat(QFile::encodeName(chemin).constData(), &etat) == 0 && S_ISREG(etat.st_mode);
}

}  // namespace

int supprimer_ecritures_interrompues(const QString& repertoire) {
  const QDir dossier(repertoire);
  int supprimes = 0;
  for (const QString& nom : dossier.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
    qint64 processus = 0;
    if (!est_temporaire_orvane(nom, processus) || processus_vivant(processus)) continue;
    const QString chemin = dossier.filePath(nom);
    if (fichier_ordinaire(chemin) && QFile::remove(chemin)) ++supprimes;
  }
  return supprimes;
}

}  // namespace orvane
