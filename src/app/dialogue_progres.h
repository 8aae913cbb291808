#pragma once

#include <QString>

class QProgressDialog;
class QWidget;

namespace orvane {

// The progress dialog of a work in the background: window-modal, shown at once, kept open
// at its end (the work closes it) and deleted once closed; "Annuler" is its one button.
QProgressDialog* dialogue_de_progres(QWidget* fenetre, const QString& texte,
                                     const QString& titre, int graduations);

}  // namespace orvane
