#include "platform/flood_fill.h"

#include <algorithm>
#include <vector>

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

// Fills the area of pixels for which inside() holds around the seed with `paint`, which
// must not count as inside, and calls painted(y, left, right) for each run.
template <class Inside, class Painted>
void scanlineFill(Bitmap& bitmap, int x, int y, Inside inside, Colour paint,
                  Painted painted) {
  const int width = bitmap.width();
  const int height = bitmap.height();
  std::vector<Pending> stack;
  stack.reserve(256);

  auto paintRun = [&](Colour* row, int y, int left, int right) {
    std::fill(row + left, row + right + 1, paint);
    painted(y, left, right);
  };

  {
    Colour* row = bitmap.row(y);
    int left = x;
    while (left > 0 && inside(row[left - 1])) --left;
    int right = x;
    while (right + 1 < width && inside(row[right + 1])) ++right;
    paintRun(row, y, left, right);
    stack.push_back({y + 1, left, right, 1});
    stack.push_back({y - 1, left, right, -1});
  }

  while (!stack.empty()) {
    const Pending p = stack.back();
    stack.pop_back();
    if (p.y < 0 || p.y >= height) continue;
    Colour* row = bitmap.row(p.y);
    int cx = p.left;
    while (cx <= p.right) {
      if (!inside(row[cx])) {
        ++cx;
        continue;
      }
      int left = cx;
      if (cx == p.left) {
        while (left > 0 && inside(row[left - 1])) --left;
      }
      int right = cx;
      while (right + 1 < width && inside(row[right + 1])) ++right;
      paintRun(row, p.y, left, right);
      stack.push_back({p.y + p.dir, left, right, p.dir});
      // Where the run reaches past the row it came from, look back there too.
      if (left < p.left) stack.push_back({p.y - p.dir, left, p.left - 1, -p.dir});
      if (right > p.right) stack.push_back({p.y - p.dir, p.right + 1, right, -p.dir});
      cx = right + 2;
    }
  }
}

struct BoundsTracker {
  Rect* box;
  void operator()(int y, int left, int right) const { box->unite({left, y, right + 1, y + 1}); }
};

}  // namespace

Rect floodFillSurface(Bitmap& bitmap, int x, int y, Colour surface, Colour paint) {
  paint &= 0xFFFFFFu;
  Rect box;
  // Painting the surface colour over itself changes nothing and would never end.
  if (!bitmap.contains(x, y) || bitmap.pixel(x, y) != surface || paint == surface) return box;
  scanlineFill(
      bitmap, x, y, [surface](Colour c) { return c == surface; }, paint, BoundsTracker{&box});
  return box;
}

Rect floodFillBorder(Bitmap& bitmap, int x, int y, Colour border, Colour paint) {
  paint &= 0xFFFFFFu;
  Rect box;
  if (!bitmap.contains(x, y) || bitmap.pixel(x, y) == border) return box;
  // The painted area must stop counting as inside, which the paint colour does not ensure
  // here: fill with a mark no stored colour has (top byte set), then paint the runs.
  constexpr Colour kMark = 0xFF000000u;
  struct Run {
    int y, left, right;
  };
  std::vector<Run> runs;
  scanlineFill(
      bitmap, x, y, [border](Colour c) { return c != border && c <= 0xFFFFFFu; }, kMark,
      [&](int ry, int left, int right) {
        runs.push_back({ry, left, right});
        box.unite({left, ry, right + 1, ry + 1});
      });
  for (const Run& r : runs) std::fill(bitmap.row(r.y) + r.left, bitmap.row(r.y) + r.right + 1, paint);
  return box;
}

}  // namespace orvane
