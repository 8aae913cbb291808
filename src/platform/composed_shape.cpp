#include "platform/composed_shape.h"

#include <algorithm>
#include <limits>

#include "platform/colour4.h"

namespace orvane {

namespace {

constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::max();

// The rows of `shape` moved by dy that fall in [top, top + count), as shape row indices.
void movedRows(const RowSpans& shape, std::int64_t dy, int top, std::size_t count,
               std::int64_t& first, std::int64_t& last) {
  const std::int64_t size = static_cast<std::int64_t>(shape.rows().size());
  first = std::max<std::int64_t>(0, top - dy - shape.top());
  last = std::min<std::int64_t>(size, top + static_cast<std::int64_t>(count) - dy - shape.top());
}

}  // namespace

void ComposedShape::begin(int top, int bottom) {
  top_ = top;
  rows_.assign(static_cast<std::size_t>(std::max(0, bottom - top)), Row{kNone, -kNone, 0});
  keep_.clear();
  flip_.clear();
  widest_ = 0;
}

void ComposedShape::reserve(const RowSpans& shape, std::int64_t dx, std::int64_t dy) {
  std::int64_t first = 0, last = 0;
  movedRows(shape, dy, top_, rows_.size(), first, last);
  for (std::int64_t n = first; n < last; ++n) {
    const Span& s = shape.rows()[static_cast<std::size_t>(n)];
    if (s.right <= s.left) continue;
    Row& r = rows_[static_cast<std::size_t>(shape.top() + n + dy - top_)];
    r.left = std::min(r.left, s.left + dx);
    r.right = std::max(r.right, s.right + dx);
  }
}

bool ComposedShape::allocate(std::size_t maxCells) {
  std::size_t cells = 0;
  for (Row& r : rows_) {
    if (r.left >= r.right) {
      r.left = r.right = 0;
    }
    r.first = cells;
    cells += static_cast<std::size_t>(r.right - r.left);
    widest_ = std::max(widest_, r.right - r.left);
    if (cells > maxCells) return false;
  }
  keep_.assign(cells, ~Colour{0});  // cells no shape covers leave the pixel whole
  flip_.assign(cells, 0);
  return true;
}

void ComposedShape::add(const RowSpans& shape, std::int64_t dx, std::int64_t dy,
                        const MixOp& op) {
  std::int64_t first = 0, last = 0;
  movedRows(shape, dy, top_, rows_.size(), first, last);
  const Colour k = op.keep, f = op.flip;
  for (std::int64_t n = first; n < last; ++n) {
    const Span& s = shape.rows()[static_cast<std::size_t>(n)];
    if (s.right <= s.left) continue;
    const Row& r = rows_[static_cast<std::size_t>(shape.top() + n + dy - top_)];
    const std::size_t from = r.first + static_cast<std::size_t>(s.left + dx - r.left);
    const std::size_t to = from + static_cast<std::size_t>(s.right - s.left);
    Colour* keep = keep_.data();
    Colour* flip = flip_.data();
    std::size_t c = from;
    const Colour4 k4 = {k, k, k, k}, f4 = {f, f, f, f};
    for (; c + 4 <= to; c += 4) {
      Colour4& kc = *reinterpret_cast<Colour4*>(keep + c);
      Colour4& fc = *reinterpret_cast<Colour4*>(flip + c);
      kc &= k4;
      fc = (fc & k4) ^ f4;
    }
    for (; c < to; ++c) {
      keep[c] &= k;
      flip[c] = (flip[c] & k) ^ f;
    }
  }
}

bool ComposedShape::then(const ComposedShape& next) {
  if (next.top_ != top_ || next.rows_ != rows_) return false;
  const std::size_t n = keep_.size();
  for (std::size_t c = 0; c < n; ++c) {
    const Colour k = next.keep_[c];
    keep_[c] &= k;
    flip_[c] = (flip_[c] & k) ^ next.flip_[c];
  }
  return true;
}

}  // namespace orvane
