#include "app/controls/chemin_abrege.h"

namespace orvane {

QString chemin_abrege(const QString& chemin, const QFontMetrics& mesure, int largeur) {
  const auto tient = [&](const QString& t) { return mesure.horizontalAdvance(t) <= largeur; };
  if (tient(chemin)) return chemin;
  const QString points = QStringLiteral("…");
  // From the longest end that starts at a separator to the shortest.
  for (qsizetype i = chemin.indexOf(u'/', 1); i > 0 && i < chemin.size() - 1;
       i = chemin.indexOf(u'/', i + 1)) {
    const QString fin = points + chemin.mid(i);
    if (tient(fin)) return fin;
  }
  return mesure.elidedText(chemin, Qt::ElideLeft, largeur);
}

}  // namespace orvane
