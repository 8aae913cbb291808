#pragma once

#include <vector>

#include "drawing/arc_ellipse.h"

namespace orvane {

// The colour of the s-th dot of a shaded arc's runs.
Colour teinte_ombre(const OmbreArc& ombre, Colour couleur, int s);

// The shaded arc's runs with the pen's mix mode: for each point in turn, w dots of width w
// going one pixel down and right at each step (K w wide and K pixels at scale K), darkening
// as the shadow curve says. The pen's width is the dots' already; its colour is left as the
// last dot drawn left it.
void trace_runs_ombre(Canvas& canvas, const OmbreArc& ombre, Colour couleur,
                      const std::vector<Point>& points);

}  // namespace orvane
