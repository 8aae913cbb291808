#pragma once

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

}  // namespace orvane
