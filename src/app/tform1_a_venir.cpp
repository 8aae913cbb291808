// Call points of features still to come: the settings file, the custom colours, the
// random colouring pass and saving and opening pictures. Each does nothing yet, so the
// handlers that call them already run in their final order.
#include "app/tform1.h"

namespace orvane {

void TForm1::charge_parametres() {}
void TForm1::sauve_parametres() {}
void TForm1::couleurs_perso() {}
void TForm1::coloriage_aleatoire() {}
void TForm1::Panel6Click() {}
void TForm1::Panel_stopClick() {}
void TForm1::Panel7Click() { _ws(); }
void TForm1::Panel5Click() {}

}  // namespace orvane
