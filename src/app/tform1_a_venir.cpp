// Call points of features still to come: the elliptic tool and the random colouring pass.
// Each does nothing yet, so the handlers that call them already run in their final order.
#include "app/tform1.h"

namespace orvane {

void TForm1::coloriage_aleatoire() {}
void TForm1::Panel6Click() {}
void TForm1::Panel_stopClick() {}
void TForm1::_FormMouseDown_ellipse(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm1::_FormMouseMove_ellipse(Qt::KeyboardModifiers, int, int) {}
void TForm1::_FormMouseUp_ellipse(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}

}  // namespace orvane
