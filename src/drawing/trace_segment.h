#pragma once

#include <cstdint>

#include "drawing/clones_ombres.h"
#include "drawing/copies_symetriques.h"
#include "drawing/reglages_trace.h"
#include "platform/aleatoire.h"
#include "platform/canvas.h"

namespace orvane {

// Paints one copy of a segment: a fill at its end point in the paint modes, otherwise the
// line with its clones and shadow. The pen's mix mode, colour and width were set by the
// caller. `couleur_segment` belongs to the whole stroke call: a darkened crayon copy
// replaces it, and later copies see the replacement.
void trace_segment(Canvas& canvas, const ReglagesTrace& reglages, Aleatoire& aleatoire,
                   EtatTrace& etat, const Copie& copie, Colour& couleur_segment);

// trace_segment in its two steps. The colour of the next copy: the stroke's, or for a
// freehand stroke of random width a darkened pencil colour drawn at random, which
// becomes the stroke's colour.
Colour couleur_copie(const ReglagesTrace& reglages, Aleatoire& aleatoire, EtatTrace& etat,
                     Colour& couleur_segment);
// Paints the copy in that colour; draws nothing at random. With `cumul`, a shadow may be
// held back there: appliquer_ombres paints it.
void peindre_copie(Canvas& canvas, const ReglagesTrace& reglages, const EtatTrace& etat,
                   const Copie& copie, Colour couleur, OmbresCumulees* cumul = nullptr);

// Leaves the pen and brush as peindre_copie would, without painting.
void regler_comme_apres_copie(Canvas& canvas, const ReglagesTrace& reglages,
                              const EtatTrace& etat, Colour couleur);

}  // namespace orvane
