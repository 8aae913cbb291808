#pragma once

#include "drawing/trace_symetrique.h"
#include "journal/journal_courant.h"
#include "platform/aleatoire.h"
#include "platform/canvas.h"

namespace orvane {

// Draws a stroke's copies from a to b with the pen as set (mode, width) and records it in
// `journal`, with where the generator stood when the stroke drew from it.
void tracer_et_enregistrer(Canvas& toile, JournalCourant& journal, Aleatoire& aleatoire,
                           EtatTrace& etat, const ReglagesTrace& reglages, Point a, Point b,
                           Colour couleur);

}  // namespace orvane
