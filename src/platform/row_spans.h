#pragma once

#include <vector>

#include "platform/bitmap.h"

namespace orvane {

// One run of pixels in a row, [left, right); empty when right <= left.
struct Span {
  int left = 0;
  int right = 0;
};

// A shape as one span per row, rows top, top + 1, ..., already clipped.
struct RowSpans {
  int top = 0;
  std::vector<Span> rows;

  void reset(int firstRow) {
    top = firstRow;
    rows.clear();
  }
  // The smallest rectangle holding every span.
  Rect bounds() const;
};

// Paints every span of a shape lying inside the bitmap.
template <class Painter>
void paintSpans(Bitmap& bitmap, const RowSpans& shape, const Painter& painter) {
  int y = shape.top;
  for (const Span& s : shape.rows) {
    if (s.right > s.left) painter.span(bitmap.row(y) + s.left, s.right - s.left);
    ++y;
  }
}

}  // namespace orvane
