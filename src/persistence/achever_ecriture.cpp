#include "persistence/achever_ecriture.h"

namespace orvane {

QString achever_ecriture(QSaveFile& fichier) {
  if (!fichier.flush()) {
    const QString raison = fichier.errorString();
    fichier.cancelWriting();
    return raison;
  }
  if (!fichier.commit()) return fichier.errorString();
  return QString();
}

}  // namespace orvane
