#pragma once

#include "journal/journal.h"
#include "journal/veille_redessin.h"
#include "platform/bitmap.h"

namespace orvane {

// Whether the journal can be drawn band after band, each band alone in memory: nothing it
// draws reads the picture across bands (a fill does).
bool dessinable_par_bandes(const Journal& journal);

// The journal drawn at `echelle`, then averaged down `facteur` times (as
// reduire_par_moyenne does) into `sortie`, band after band on `fils` threads: each band is
// drawn alone, every entry clipped to it, and averaged down at once, so that the memory is
// the picture made and a few bands. Only for a journal dessinable_par_bandes. Returns
// false when `progres` asked to stop. A band is `lignes_par_bande` rows of `sortie`, or as
// many as the memory allows when 0.
bool redessiner_reduit(const Journal& journal, int echelle, int facteur, Bitmap& sortie,
                       const ProgresRedessin& progres, int fils, int lignes_par_bande = 0);

}  // namespace orvane
