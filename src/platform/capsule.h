#pragma once

#include "platform/bitmap.h"
#include "platform/point.h"
#include "platform/row_spans.h"

namespace orvane {

// The pixels of a wide pen's line from a to b: those whose centres lie within width/2 of
// the segment (round caps), row by row, clipped to `clip`. The result depends only on the
// two end points, not on their order.
//
// Pixel (i, j) has its centre at (i, j). For an even width the segment is moved by half a
// pixel right and down, so that a horizontal line of width w covers exactly w rows (rows
// y - w/2 + 1 .. y + w/2) and a vertical one exactly w columns; an odd width covers
// rows y - w/2 .. y + w/2.
void capsuleSpans(Point a, Point b, int width, const Rect& clip, RowSpans& out);

}  // namespace orvane
