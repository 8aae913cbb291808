#pragma once

#include "platform/aleatoire.h"
#include "platform/colour.h"

namespace orvane {

// Items of the colour type radio group, in their order.
enum CoulType : int { COUL_NORMALE = 0, COUL_VIVE = 1, COUL_DEGRADE = 2, COUL_GRIS = 3 };

// A random colour of the given type. Only "dégradé" reads the origin colour. An unknown
// type draws as "normale", so a caller can never get an undrawn colour.
Colour coul_aleatoire(int coul_type, Colour origine_degrade, Aleatoire& aleatoire);

}  // namespace orvane
