#include "platform/flood_fill.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/colour4.h"
#include "platform/fill_bits.h"
#include "platform/mix_op.h"

namespace orvane {

namespace {

// Row y still to explore between columns left..right (inclusive), reached from the
// painted row y - dir.
struct Pending {
  int y;
  int left;
  int right;
  int dir;
};

// A stack of rows to explore, its push small enough to stay inline in the loop.
class PendingStack {
 public:
  PendingStack() : items_(256) {}
  bool empty() const { return size_ == 0; }
  Pending pop() { return items_[--size_]; }
  void push(const Pending& p) {
    if (size_ == items_.size()) grow();
    items_[size_++] = p;
  }

 private:
  [[gnu::noinline]] void grow() { items_.resize(items_.size() * 2); }
  std::vector<Pending> items_;
  std::size_t size_ = 0;
};

// Fills the area of pixels for which inside() holds around the seed, which must be inside,
// with `paint`; returns the rectangle painted. The pixels are tested once each, into a
// mask that the painting clears, so the paint colour may itself count as inside.
template <class Inside>
Rect scanlineFill(Bitmap& bitmap, int x, int y, Inside inside, Colour paint, Veille* veille) {
  const int height = bitmap.height();
  FillBits<Inside> bits(bitmap, inside);
  PendingStack stack;

  Rect box{x, y, x + 1, y + 1};
  auto paintRun = [&](int rowY, int left, int right) __attribute__((always_inline)) {
    bits.take(rowY, left, right);
    veiller_pixels(veille, std::int64_t{right} - left + 1);
    box.left = std::min(box.left, left);
    box.right = std::max(box.right, right + 1);
    box.top = std::min(box.top, rowY);
    box.bottom = std::max(box.bottom, rowY + 1);
  };

  {
    const int left = bits.runStart(y, x);
    const int right = bits.runEnd(y, x);
    paintRun(y, left, right);
    stack.push({y + 1, left, right, 1});
    stack.push({y - 1, left, right, -1});
  }

  while (!stack.empty()) {
    const Pending p = stack.pop();
    if (p.y < 0 || p.y >= height) continue;
    veiller_pixels(veille, std::int64_t{p.right} - p.left + 1);
    int cx = bits.nextSet(p.y, p.left, p.right);
    while (cx >= 0) {
      // Only a run met at the span's first column may reach further left.
      const int left = cx == p.left ? bits.runStart(p.y, cx) : cx;
      const int right = bits.runEnd(p.y, cx);
      paintRun(p.y, left, right);
      stack.push({p.y + p.dir, left, right, p.dir});
      // Where the run reaches past the row it came from, look back there too.
      if (left < p.left) stack.push({p.y - p.dir, left, p.left - 1, -p.dir});
      if (right > p.right) stack.push({p.y - p.dir, p.right + 1, right, -p.dir});
      cx = right + 2 <= p.right ? bits.nextSet(p.y, right + 2, p.right) : -1;
    }
  }
  bits.paint(bitmap, box, paint, veille);
  return box;
}

// The tests of inside, on one pixel and on four at once (a lane of ones where inside).
struct OfColour {
  Colour surface;
  bool operator()(Colour c) const { return c == surface; }
  auto four(Colour4 v) const { return v == Colour4{surface, surface, surface, surface}; }
};

struct NotBorder {
  Colour border;
  bool operator()(Colour c) const { return c != border; }
  auto four(Colour4 v) const { return v != Colour4{border, border, border, border}; }
};

}  // namespace

Rect floodFillSurface(Bitmap& bitmap, int x, int y, Colour surface, Colour paint,
                      Veille* veille) {
  paint &= 0xFFFFFFu;
  // Painting the surface colour over itself changes nothing.
  if (!bitmap.contains(x, y) || bitmap.pixel(x, y) != surface || paint == surface) return {};
  return scanlineFill(bitmap, x, y, OfColour{surface}, paint, veille);
}

Rect floodFillBorder(Bitmap& bitmap, int x, int y, Colour border, Colour paint,
                     Veille* veille) {
  paint &= 0xFFFFFFu;
  if (!bitmap.contains(x, y) || bitmap.pixel(x, y) == border) return {};
  return scanlineFill(bitmap, x, y, NotBorder{border}, paint, veille);
}

}  // namespace orvane
