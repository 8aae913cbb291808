#pragma once

#include <cstdint>

#include "journal/entrees.h"
#include "platform/veille.h"

namespace orvane {

// What drawing a journal at scale K means. Canvas pixel p becomes the K x K block whose
// top-left pixel is K p; a point (a pixel's centre) goes to the middle of its block, and the
// symmetry centre with it, so every vector between points is K times as long. Every width
// (pen, shadow lines and the step between them, the elliptic tool's shadow dots and the
// step between them, random widths, already drawn) is K times as wide, the clones' spacing
// is K times as wide, a fill starts from K times its place, and an embedded picture is
// enlarged by repeating each pixel K x K times.
// What draws nothing at scale 1 (a point of a one-pixel pen) draws nothing at any scale. At
// scale 1 every entry is left as it is.

// A point's coordinate, kept within 32 bits (only absurd coordinates reach the limit).
int point_a_l_echelle(int v, int k);
Point point_a_l_echelle(Point p, int k);
// A box side: pixel boundaries scale without the shift to the middle.
int bord_a_l_echelle(int v, int k);
// A pen width: 0 and 1 are both the one-pixel pen, K pixels wide at scale K.
int largeur_a_l_echelle(int largeur, int k);

EntreeTrait a_l_echelle(const EntreeTrait& e, int k);
EntreeEllipse a_l_echelle(const EntreeEllipse& e, int k);
EntreeLigne a_l_echelle(const EntreeLigne& e, int k);
EntreeArc a_l_echelle(const EntreeArc& e, int k);
// The part of the picture within `largeur` x `hauteur` (the canvas at scale 1), enlarged,
// row by row under the watch.
Bitmap a_l_echelle(const Bitmap& image, int k, int largeur, int hauteur,
                   Veille* veille = nullptr);
// The same enlarged picture painted at (0, 0) on `toile`, in the rows of its clip only,
// without an enlarged copy.
void peindre_a_l_echelle(Canvas& toile, const Bitmap& image, int k, int largeur, int hauteur,
                         Veille* veille = nullptr);

// Whether the entry leaves the canvas as it is at scale 1 whatever the canvas: a stroke of
// one-pixel lines whose copies are all points.
bool sans_effet(const EntreeTrait& e);

}  // namespace orvane
