#pragma once

#include <vector>

#include "platform/bitmap.h"
#include "platform/veille.h"

namespace orvane {

// One run of pixels in a row, [left, right); empty when right <= left.
struct Span {
  int left = 0;
  int right = 0;
};

// A shape as one span per row, rows top, top + 1, ..., already clipped.
class RowSpans {
 public:
  int top() const { return top_; }
  const std::vector<Span>& rows() const { return rows_; }
  // The smallest rectangle holding every span, as given by whoever filled the rows.
  const Rect& bounds() const { return bounds_; }

  // Empties the shape and makes room for `count` rows from `firstRow`, to be written
  // through the returned pointer.
  Span* reset(int firstRow, int count) {
    top_ = firstRow;
    rows_.resize(static_cast<std::size_t>(count));
    bounds_ = {};
    return rows_.data();
  }
  void setBounds(const Rect& bounds) { bounds_ = bounds; }

 private:
  int top_ = 0;
  std::vector<Span> rows_;
  Rect bounds_;
};

// Paints every span of a shape lying inside the bitmap, row by row under the watch.
template <class Painter>
void paintSpans(Bitmap& bitmap, const RowSpans& shape, const Painter& painter,
                Veille* veille = nullptr) {
  // Rows of a steep line are a cache line apart each; fetch a few rows ahead so that the
  // read of a read-modify-write mode does not wait on memory.
  constexpr std::size_t kAhead = 8;
  const std::vector<Span>& rows = shape.rows();
  const std::size_t count = rows.size();
  for (std::size_t n = 0; n < count; ++n) {
    if (n + kAhead < count) {
      const Span& next = rows[n + kAhead];
      if (next.right > next.left) {
        const Colour* row = bitmap.row(shape.top() + static_cast<int>(n + kAhead));
        __builtin_prefetch(row + next.left, 1);
        __builtin_prefetch(row + next.right - 1, 1);
      }
    }
    const Span& s = rows[n];
    if (s.right > s.left) {
      painter.span(bitmap.row(shape.top() + static_cast<int>(n)) + s.left, s.right - s.left);
      veiller_pixels(veille, s.right - s.left);
    }
  }
}

}  // namespace orvane
