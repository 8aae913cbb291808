#pragma once

#include <cstdint>

#include "drawing/segment_entier.h"

namespace orvane {

// The shadow lines [debut, fin) of a segment that can touch a canvas of the given size:
// line i is the segment moved i pixels right and down, drawn `epaisseur` wide. Every line
// outside the range lies wholly off the canvas, however long the segment, so a wide shadow
// costs no more than the lines that show.
struct LignesVisibles {
  std::int64_t debut = 0;
  std::int64_t fin = 0;
};
LignesVisibles lignes_ombre_visibles(const SegmentEntier& s, int largeur_ombre, int epaisseur,
                                     int largeur_toile, int hauteur_toile);

}  // namespace orvane
