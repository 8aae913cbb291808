#pragma once

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/point.h"

namespace orvane::test {

// Slow references that follow the drawing rules literally, pixel by pixel, without
// clipping tricks: the fast canvas must match them.

// The one-pixel line stepped from its start, every pixel plotted through setPixel (which
// ignores those outside); colour copied.
void referenceThinLine(Bitmap& bitmap, Point from, Point to, Colour colour);

// Whether the centre of pixel (x, y) lies within width/2 of the segment a-b (moved by half
// a pixel right and down for even widths), in exact integer arithmetic. `onEdge` is set
// when the distance is exactly width/2.
bool referenceInCapsule(Point a, Point b, int width, int x, int y, bool& onEdge);

}  // namespace orvane::test
