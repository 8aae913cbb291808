#include "app/dialogue_progres.h"

#include <QProgressDialog>

namespace orvane {

QProgressDialog* dialogue_de_progres(QWidget* fenetre, const QString& texte,
                                     const QString& titre, int graduations) {
  auto* dialogue = new QProgressDialog(texte, QStringLiteral("Annuler"), 0, graduations, fenetre);
  dialogue->setWindowTitle(titre);
  dialogue->setWindowModality(Qt::WindowModal);
  dialogue->setMinimumDuration(0);
  dialogue->setAutoClose(false);
  dialogue->setAutoReset(false);
  dialogue->setAttribute(Qt::WA_DeleteOnClose);
  return dialogue;
}

}  // namespace orvane
