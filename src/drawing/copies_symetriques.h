#pragma once

#include <cstdint>
#include <functional>

#include "drawing/reglages_trace.h"
#include "platform/canvas.h"

namespace orvane {

// One copy of a segment, in canvas pixels, before any rounding.
struct Copie {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  bool operator==(const Copie&) const = default;
};

// Every copy of the segment a-b that the symmetry mode asks for, handed to `copie` in
// drawing order. Only the geometry: what each copy becomes is the painter's business.
// Copies are streamed, never stored, so the cost is one call per copy. A spiral growing
// outward stops once every further copy would lie beyond any 32-bit coordinate.
void copies_symetriques(const ReglagesTrace& reglages, Point centre, Point a, Point b,
                        const std::function<void(const Copie&)>& copie);

// How many copies copies_symetriques hands over at most (a spiral may stop earlier).
std::int64_t nombre_copies(const ReglagesTrace& reglages);

}  // namespace orvane
