#include "persistence/ecritures_interrompues.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace orvane {

int supprimer_ecritures_interrompues(const QString& repertoire) {
  // QSaveFile writes beside its target under the target's name and six random characters.
  static const QRegularExpression temporaire(
      QStringLiteral("^(~10[0-9]\\.bmp|orvane\\.prm)\\.[A-Za-z0-9]{6}$"));
  const QDir dossier(repertoire);
  int supprimes = 0;
  for (const QString& nom : dossier.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
    if (temporaire.match(nom).hasMatch() && QFile::remove(dossier.filePath(nom))) ++supprimes;
  }
  return supprimes;
}

}  // namespace orvane
