#pragma once

#include "drawing/reglages_trace.h"
#include "platform/aleatoire.h"
#include "platform/canvas.h"

namespace orvane {

// Draws the segment a-b and all its symmetric copies with the pen mix mode `mode` and
// `couleur`. The pen keeps the mode, colour and width it leaves; the caller shows the
// colour in its panels and sets the hourglass when trace_met_sablier says so.
void trace_symetrique(Canvas& canvas, const ReglagesTrace& reglages, Aleatoire& aleatoire,
                      EtatTrace& etat, Point a, Point b, int mode, Colour couleur);

// The pen width of a stroke: w, or with the random thickness a width drawn from
// 0 .. w + actuelle - 1 (actuelle: the pen's width before the call).
int epaisseur_du_trait(Aleatoire& aleatoire, bool epaisseur_aleatoire, int w, int actuelle);

// Every copy of the segment a-b in `couleur`, the pen already set.
void trace_copies(Canvas& canvas, const ReglagesTrace& reglages, Aleatoire& aleatoire,
                  EtatTrace& etat, Point a, Point b, Colour couleur);

// Whether a stroke with these settings wants the hourglass cursor: a spiral of fills.
bool trace_met_sablier(const ReglagesTrace& reglages);

}  // namespace orvane
