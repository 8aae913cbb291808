// Leaving: the window manager's close asks as Escape does; a session's end keeps the
// settings without asking.
#include <QCloseEvent>
#include <QtGlobal>
#include <exception>

#include "app/controls/frontiere.h"
#include "app/tform1.h"

namespace orvane {

void TForm1::closeEvent(QCloseEvent* e) {
  // The window goes only with the program, which demande_quitter ends on "Oui".
  e->ignore();
  a_la_frontiere([this] { demande_quitter(); });
}

void TForm1::fin_de_session() noexcept {
  // No box at a logout: nobody may be there to answer it.
  try {
    sauve_parametres();
  } catch (const std::exception& erreur) {
    qWarning("%s", erreur.what());
  } catch (...) {
    qWarning("Réglages non enregistrés.");
  }
}

}  // namespace orvane
