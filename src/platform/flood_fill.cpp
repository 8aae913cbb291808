#include "platform/flood_fill.h"

#include <algorithm>
#include <vector>

#include "platform/colour4.h"
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

// Fills the area of pixels for which inside() holds around the seed, which must be inside,
// with `paint`, which must not count as inside; returns the rectangle painted.
template <class Inside>
Rect scanlineFill(Bitmap& bitmap, int x, int y, Inside inside, Colour paint, Veille* veille) {
  const int width = bitmap.width();
  const int height = bitmap.height();
  std::vector<Pending> stack;
  stack.reserve(256);

  Rect box{x, y, x + 1, y + 1};
  const SetPainter painter{paint};
  auto paintRun = [&](Colour* row, int rowY, int left, int right) {
    painter.span(row + left, right - left + 1);
    box.left = std::min(box.left, left);
    box.right = std::max(box.right, right + 1);
    box.top = std::min(box.top, rowY);
    box.bottom = std::max(box.bottom, rowY + 1);
  };

  // Paints from x rightwards while inside (x itself is); returns the last column painted.
  const Colour4 paint4 = {paint, paint, paint, paint};
  auto paintRight = [&](Colour* row, int x) {
    int right = x;
    row[x] = paint;
    while (right + 4 < width && inside.all4(row + right + 1)) {
      *reinterpret_cast<Colour4*>(row + right + 1) = paint4;
      right += 4;
    }
    while (right + 1 < width && inside(row[right + 1])) row[++right] = paint;
    return right;
  };

  {
    Colour* row = bitmap.row(y);
    int left = x;
    while (left > 0 && inside(row[left - 1])) --left;
    int right = x;
    while (right + 4 < width && inside.all4(row + right + 1)) right += 4;
    while (right + 1 < width && inside(row[right + 1])) ++right;
    paintRun(row, y, left, right);
    stack.push_back({y + 1, left, right, 1});
    stack.push_back({y - 1, left, right, -1});
  }

  while (!stack.empty()) {
    const Pending p = stack.back();
    stack.pop_back();
    if (p.y < 0 || p.y >= height) continue;
    veiller_pixels(veille, p.right - p.left + 1);
    Colour* row = bitmap.row(p.y);
    // Areas between marks are swept in narrow bands, a whole row apart in memory, which the
    // processor does not foresee: ask now for the row this span's runs lead to.
    const int next = p.y + p.dir;
    if (next >= 0 && next < height) {
      const Colour* ahead = bitmap.row(next);
      for (int c = p.left; c <= p.right; c += 16) __builtin_prefetch(ahead + c, 1);
    }
    int cx = p.left;
    while (cx <= p.right) {
      if (!inside(row[cx])) {
        ++cx;
        // Rows already painted are crossed again where runs reach past their parents:
        // four at a time.
        while (cx + 3 <= p.right && inside.none4(row + cx)) cx += 4;
        continue;
      }
      int left = cx;
      if (cx == p.left) {
        while (left > 0 && inside(row[left - 1])) --left;
      }
      // The run is painted as it is found, so each row is read and written in one pass.
      const int right = paintRight(row, cx);
      paintRun(row, p.y, left, cx - 1);
      veiller_pixels(veille, right - left + 1);
      box.right = std::max(box.right, right + 1);
      stack.push_back({p.y + p.dir, left, right, p.dir});
      // Where the run reaches past the row it came from, look back there too.
      if (left < p.left) stack.push_back({p.y - p.dir, left, p.left - 1, -p.dir});
      if (right > p.right) stack.push_back({p.y - p.dir, p.right + 1, right, -p.dir});
      cx = right + 2;
    }
  }
  return box;
}

// Every pixel of colour `from` in the rectangle becomes `to`, four at a time.
void replaceColour(Bitmap& bitmap, const Rect& area, Colour from, Colour to, Veille* veille) {
  const Colour4 from4 = {from, from, from, from};
  const Colour4 to4 = {to, to, to, to};
  for (int y = area.top; y < area.bottom; ++y) {
    Colour* p = bitmap.row(y) + area.left;
    const int n = area.width();
    int i = 0;
    for (; i + 4 <= n; i += 4) {
      Colour4& v = *reinterpret_cast<Colour4*>(p + i);
      const Colour4 hit = v == from4;
      v = (v & ~hit) | (to4 & hit);
    }
    for (; i < n; ++i) {
      if (p[i] == from) p[i] = to;
    }
    veiller_pixels(veille, n);
  }
}

// Whether a vector comparison held in all four lanes, read as two 64-bit halves.
typedef long long Halves __attribute__((vector_size(16)));
template <class Mask>
bool allSet(Mask m) {
  const Halves h = reinterpret_cast<Halves>(m);
  return (h[0] & h[1]) == -1;
}
template <class Mask>
bool noneSet(Mask m) {
  const Halves h = reinterpret_cast<Halves>(m);
  return (h[0] | h[1]) == 0;
}

// The tests of inside, on one pixel and on four at once (all inside, none inside).
struct OfColour {
  Colour surface;
  bool operator()(Colour c) const { return c == surface; }
  bool all4(const Colour* p) const {
    const Colour4 v = *reinterpret_cast<const Colour4*>(p);
    const Colour4 s = {surface, surface, surface, surface};
    return allSet(v == s);
  }
  bool none4(const Colour* p) const {
    const Colour4 v = *reinterpret_cast<const Colour4*>(p);
    const Colour4 s = {surface, surface, surface, surface};
    return noneSet(v == s);
  }
};

// Not the border and not yet marked (marks have the top byte set).
struct NotBorder {
  Colour border;
  bool operator()(Colour c) const { return c != border && c <= 0xFFFFFFu; }
  bool all4(const Colour* p) const {
    const Colour4 v = *reinterpret_cast<const Colour4*>(p);
    const Colour4 b = {border, border, border, border};
    const Colour4 top = {0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFF000000u};
    return allSet((v != b) & ((v & top) == 0));
  }
  bool none4(const Colour* p) const {
    const Colour4 v = *reinterpret_cast<const Colour4*>(p);
    const Colour4 b = {border, border, border, border};
    const Colour4 top = {0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFF000000u};
    return noneSet((v != b) & ((v & top) == 0));
  }
};

}  // namespace

Rect floodFillSurface(Bitmap& bitmap, int x, int y, Colour surface, Colour paint,
                      Veille* veille) {
  paint &= 0xFFFFFFu;
  // Painting the surface colour over itself changes nothing and would never end.
  if (!bitmap.contains(x, y) || bitmap.pixel(x, y) != surface || paint == surface) return {};
  return scanlineFill(bitmap, x, y, OfColour{surface}, paint, veille);
}

Rect floodFillBorder(Bitmap& bitmap, int x, int y, Colour border, Colour paint,
                     Veille* veille) {
  paint &= 0xFFFFFFu;
  if (!bitmap.contains(x, y) || bitmap.pixel(x, y) == border) return {};
  // The painted area must stop counting as inside, which the paint colour does not ensure
  // here: fill with a mark no stored colour has (top byte set), then turn the mark into
  // the paint colour.
  constexpr Colour kMark = 0xFF000000u;
  const Rect box = scanlineFill(bitmap, x, y, NotBorder{border}, kMark, veille);
  replaceColour(bitmap, box, kMark, paint, veille);
  return box;
}

}  // namespace orvane
