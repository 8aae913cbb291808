#pragma once

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/bitmap.h"

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
  // The smallest rectangle holding every span.
  Rect bounds() const {
    if (firstFilled_ < 0) return {};
    return {minLeft_, top_ + firstFilled_, maxRight_, top_ + lastFilled_ + 1};
  }

  void reset(int firstRow) {
    top_ = firstRow;
    rows_.clear();
    firstFilled_ = lastFilled_ = -1;
    minLeft_ = INT_MAX;
    maxRight_ = INT_MIN;
  }
  void add(Span s) {
    if (s.right > s.left) {
      const int n = static_cast<int>(rows_.size());
      if (firstFilled_ < 0) firstFilled_ = n;
      lastFilled_ = n;
      minLeft_ = std::min(minLeft_, s.left);
      maxRight_ = std::max(maxRight_, s.right);
    }
    rows_.push_back(s);
  }

 private:
  int top_ = 0;
  std::vector<Span> rows_;
  int firstFilled_ = -1;  // row indices of the first and last non-empty spans
  int lastFilled_ = -1;
  int minLeft_ = INT_MAX;
  int maxRight_ = INT_MIN;
};

// Paints every span of a shape lying inside the bitmap.
template <class Painter>
void paintSpans(Bitmap& bitmap, const RowSpans& shape, const Painter& painter) {
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
    }
  }
}

}  // namespace orvane
