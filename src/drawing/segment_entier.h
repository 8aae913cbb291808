#pragma once

#include <cstdint>

#include "drawing/arrondi.h"
#include "drawing/copies_symetriques.h"

namespace orvane {

// A copy's end points rounded to whole pixels, kept in 64 bits until the offsets of the
// clone and the shadow line are added.
struct SegmentEntier {
  std::int64_t x1, y1, x2, y2;
  bool operator==(const SegmentEntier&) const = default;
};

// The copy shifted d pixels right, rounded; false when it is not finite or far too large.
inline bool arrondi_copie(const Copie& c, double d, SegmentEntier& s) {
  return arrondi_64(c.x1 + d, s.x1) && arrondi_64(c.y1, s.y1) && arrondi_64(c.x2 + d, s.x2) &&
         arrondi_64(c.y2, s.y2);
}

}  // namespace orvane
