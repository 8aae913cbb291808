#include "persistence/noms_images.h"

#include <QFileInfo>

namespace orvane {

QString nom_numerote(const QString& nom, int n) {
  const qsizetype point = nom.lastIndexOf(u'.');
  const bool extension = point >= 0 && point > nom.lastIndexOf(u'/');
  const QString base = extension ? nom.left(point) : nom;
  const QString ext = extension ? nom.mid(point) : QString();
  return base + u'_' + QString::number(n) + ext;
}

QString avec_extension_bmp(const QString& chemin) {
  return chemin.contains(u'.') ? chemin : chemin + QStringLiteral(".bmp");
}

QString repertoire_du_fichier(const QString& chemin) { return QFileInfo(chemin).absolutePath(); }

}  // namespace orvane
