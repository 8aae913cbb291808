#pragma once

#include "platform/bitmap.h"
#include "platform/veille.h"

namespace orvane {

// The picture `facteur` times smaller: each pixel is the mean of a `facteur` x `facteur`
// block of the source, per channel, rounded to the nearest (halves to even). A picture drawn
// larger and reduced so is antialiased. Columns and rows past the last whole block are
// left out. `veille` watches the rows.
Bitmap reduire_par_moyenne(const Bitmap& source, int facteur, Veille* veille = nullptr);
// The same for rows [premiere, derniere) of `resultat` only, from the rows of `source` they
// cover: a band of the source holding them is enough.
void reduire_lignes_par_moyenne(const Bitmap& source, int facteur, Bitmap& resultat,
                                int premiere, int derniere, Veille* veille = nullptr);

}  // namespace orvane
