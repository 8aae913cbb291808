// Call points of the random colouring pass, still to come: each does nothing yet.
#include "app/tform1.h"

namespace orvane {

void TForm1::coloriage_aleatoire() {}
void TForm1::Panel6Click() {}
void TForm1::Panel_stopClick() {}

}  // namespace orvane
