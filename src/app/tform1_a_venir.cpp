// Call points of features still to come: the settings file, the custom colours, the
// elliptic tool and saving and opening pictures. Each does nothing yet, so the handlers
// that call them already run in their final order.
#include "app/tform1.h"

namespace orvane {

void TForm1::charge_parametres() {}
void TForm1::sauve_parametres() {}
void TForm1::couleurs_perso() {}
void TForm1::Panel7Click() { _ws(); }
void TForm1::Panel5Click() {}
void TForm1::_FormMouseDown_ellipse(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm1::_FormMouseMove_ellipse(Qt::KeyboardModifiers, int, int) {}
void TForm1::_FormMouseUp_ellipse(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}

}  // namespace orvane
