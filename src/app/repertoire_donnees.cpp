#include "app/repertoire_donnees.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvane {

QString repertoire_de(const QString& chemin_programme) {
  QString dir = chemin_programme.left(chemin_programme.lastIndexOf(u'/') + 1);
  while (dir.size() > 1 && dir.endsWith(u'/')) dir.chop(1);
  return dir.isEmpty() ? QStringLiteral("/") : dir;
}

QString marque_installation(const QString& chemin_programme) {
  // Left for the file system to resolve: a bin/ reached through a link has its own "..".
  return repertoire_de(chemin_programme) + u'/' + QStringLiteral(ORVANE_MARQUE_INSTALLATION);
}

bool programme_installe(const QString& chemin_programme) {
  return QFileInfo(marque_installation(chemin_programme)).isFile();
}

QString repertoire_donnees(const QString& chemin_programme) {
  if (!programme_installe(chemin_programme)) return repertoire_de(chemin_programme);
  const QString donnees = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  // A failure shows at the first write, in the message naming this directory.
  QDir().mkpath(donnees);
  return donnees;
}

}  // namespace orvane
