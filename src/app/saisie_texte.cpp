#include "app/saisie_texte.h"

#include "app/raccourcis.h"
#include "app/touches.h"

namespace orvane {

bool touche_du_texte(int qt_key, Qt::KeyboardModifiers etats) {
  switch (qt_key) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return false;
    default:
      break;
  }
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F35) return false;
  switch (raccourci_de(code_touche(qt_key), etats)) {
    case Raccourci::Sauve:
    case Raccourci::Redessin:
    case Raccourci::Ouvrir:
    case Raccourci::Quitter:
      return false;
    default:
      return true;
  }
}

}  // namespace orvane
