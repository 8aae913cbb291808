// The colour dialog's custom colours, installed once at start-up.
#include "app/tform1.h"

namespace orvane {

void TForm1::couleurs_perso() { orvane::couleurs_perso(ColorDialog1, Panel1->Color()); }

}  // namespace orvane
