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

namespace {

// The program's directory, or for an installed program the user's directory of that kind,
// created if missing; a failure shows at the first write, in the message naming it.
QString repertoire_utilisateur(const QString& chemin_programme,
                               QStandardPaths::StandardLocation genre) {
  if (!programme_installe(chemin_programme)) return repertoire_de(chemin_programme);
  const QString repertoire = QStandardPaths::writableLocation(genre);
  QDir().mkpath(repertoire);
  return repertoire;
}

}  // namespace

QString repertoire_donnees(const QString& chemin_programme) {
  return repertoire_utilisateur(chemin_programme, QStandardPaths::AppDataLocation);
}

QString repertoire_reglages(const QString& chemin_programme) {
  return repertoire_utilisateur(chemin_programme, QStandardPaths::AppConfigLocation);
}

QString repertoire_images(const QString& chemin_programme) {
  if (!programme_installe(chemin_programme)) return repertoire_de(chemin_programme);
  // Not made when missing: the user's own directories are theirs to make.
  const QString images = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return QFileInfo(images).isDir() ? images : QDir::homePath();
}

}  // namespace orvane
