#pragma once

#include "platform/bitmap.h"
#include "platform/veille.h"

namespace orvane {

// 4-connected fills with a scanline algorithm and an explicit stack (no recursion, so a
// whole-screen region is fine). Each returns the rectangle it painted, empty if nothing;
// `veille` watches the rows as they are painted.

// The area of pixels equal to `surface` around (x, y), painted with `paint`. Nothing when
// (x, y) is outside or not of that colour, or when `paint` is that colour already.
Rect floodFillSurface(Bitmap& bitmap, int x, int y, Colour surface, Colour paint,
                      Veille* veille = nullptr);

// The area of pixels other than `border` around (x, y), painted with `paint`. Nothing when
// (x, y) is outside or of the border colour.
Rect floodFillBorder(Bitmap& bitmap, int x, int y, Colour border, Colour paint,
                     Veille* veille = nullptr);

}  // namespace orvane
