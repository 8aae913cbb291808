#include "platform/capsule.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cmath>
#include <limits>
#include <utility>

namespace orvane {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// floor and ceil by conversion: std::floor is a library call without SSE4.1, and this runs
// once per row. Arguments are first clamped to a range that fits in 64 bits.
std::int64_t floorTo64(double v) {
  const auto i = static_cast<std::int64_t>(v);
  return static_cast<double>(i) > v ? i - 1 : i;
}
std::int64_t ceilTo64(double v) {
  const auto i = static_cast<std::int64_t>(v);
  return static_cast<double>(i) < v ? i + 1 : i;
}

// The segment, with its start moved to the pixel grid's origin for the shape's rows.
struct Geometry {
  double x0, y0, dx, dy, r;
  double rSquared;
  // Band around the segment, for a row v above the start, in x relative to the start:
  // |cross| <= r*length gives v*crossSlope -+ crossHalf; 0 <= dot <= length^2 gives
  // v*dotSlope + [0, dotLength] (bounds swapped when dx < 0).
  double crossSlope, crossHalf, dotSlope, dotLength;
};

// Row v's pixels relative to x0, as [lo, hi] with lo > hi when none: the union of both
// caps and the band, which is one interval since the shape is convex.
void generalRow(const Geometry& g, double v, double& lo, double& hi) {
  lo = kInfinity;
  hi = -kInfinity;
  if (std::abs(v) <= g.r) {
    const double h = std::sqrt(g.rSquared - v * v);
    lo = -h;
    hi = h;
  }
  const double u = v - g.dy;
  if (std::abs(u) <= g.r) {
    const double h = std::sqrt(g.rSquared - u * u);
    lo = std::min(lo, g.dx - h);
    hi = std::max(hi, g.dx + h);
  }
  if (g.dy == 0) {
    if (std::abs(v) <= g.r) {
      lo = std::min(lo, 0.0);
      hi = std::max(hi, g.dx);
    }
    return;
  }
  double bandLo = v * g.crossSlope - g.crossHalf;
  double bandHi = v * g.crossSlope + g.crossHalf;
  if (g.dx > 0) {
    bandLo = std::max(bandLo, v * g.dotSlope);
    bandHi = std::min(bandHi, v * g.dotSlope + g.dotLength);
  } else if (g.dx < 0) {
    bandLo = std::max(bandLo, v * g.dotSlope + g.dotLength);
    bandHi = std::min(bandHi, v * g.dotSlope);
  } else if (v < 0 || v > g.dy) {
    return;
  }
  if (bandLo <= bandHi) {
    lo = std::min(lo, bandLo);
    hi = std::max(hi, bandHi);
  }
}

}  // namespace

void capsuleSpans(Point a, Point b, int width, const Rect& clip, RowSpans& out) {
  // One order for both directions, so that a line and its reverse are the same pixels.
  if (a.y > b.y || (a.y == b.y && a.x > b.x)) std::swap(a, b);
  Geometry g{};
  g.r = width / 2.0;
  const double offset = width % 2 == 0 ? 0.5 : 0.0;
  g.x0 = a.x + offset;
  g.y0 = a.y + offset;
  g.dx = static_cast<double>(b.x) - a.x;
  g.dy = static_cast<double>(b.y) - a.y;  // >= 0
  g.rSquared = g.r * g.r;
  const double lengthSquared = g.dx * g.dx + g.dy * g.dy;
  const double length = std::sqrt(lengthSquared);
  g.crossSlope = g.dy > 0 ? g.dx / g.dy : 0.0;
  g.crossHalf = g.dy > 0 ? g.r * length / g.dy : 0.0;
  g.dotSlope = g.dx != 0 ? -g.dy / g.dx : 0.0;
  g.dotLength = g.dx != 0 ? lengthSquared / g.dx : 0.0;

  const double firstRow = std::max(std::ceil(g.y0 - g.r), static_cast<double>(clip.top));
  const double lastRow = std::min(std::floor(g.y0 + g.dy + g.r), clip.bottom - 1.0);
  if (clip.empty() || firstRow > lastRow) {
    out.reset(clip.top, 0);
    return;
  }
  const int rows = static_cast<int>(lastRow - firstRow) + 1;
  Span* spans = out.reset(static_cast<int>(firstRow), rows);

  // Span ends are worked out relative to the start's column and clamped to one pixel
  // beyond the clip before conversion: the shape moved by whole pixels is then exactly the
  // same pixels moved, which lets clones and shadow lines reuse one rasterisation.
  const double xStart = a.x;
  const double xOffset = offset;
  const double clampLo = clip.left - 1.0 - xStart;
  const double clampHi = clip.right + 1.0 - xStart;
  int minLeft = INT_MAX;
  int maxRight = INT_MIN;
  int firstFilled = -1;
  int lastFilled = -1;
  auto store = [&](int n, double lo, double hi) __attribute__((always_inline)) {
    Span s{};
    if (lo <= hi) {
      const std::int64_t left =
          ceilTo64(std::clamp(xOffset + lo, clampLo, clampHi)) + a.x;
      const std::int64_t right =
          floorTo64(std::clamp(xOffset + hi, clampLo, clampHi)) + a.x + 1;
      s.left = static_cast<int>(std::max<std::int64_t>(left, clip.left));
      s.right = static_cast<int>(std::min<std::int64_t>(right, clip.right));
    }
    spans[n] = s;
    if (s.right > s.left) {
      if (firstFilled < 0) firstFilled = n;
      lastFilled = n;
      minLeft = std::min(minLeft, s.left);
      maxRight = std::max(maxRight, s.right);
    }
  };

  // A row further than r from both ends' rows meets neither cap, and there the band's
  // ends lie beyond the row (its edges project inside the segment): only the two sides
  // count. Those middle rows are n in [middleBegin, middleEnd).
  const double rowOffset = firstRow - g.y0;  // v of row n is rowOffset + n
  const int middleBegin = static_cast<int>(
      std::clamp(std::floor(g.r - rowOffset) + 1, 0.0, static_cast<double>(rows)));
  const int middleEnd = static_cast<int>(std::clamp(std::ceil(g.dy - g.r - rowOffset),
                                                    static_cast<double>(middleBegin),
                                                    static_cast<double>(rows)));
  double lo = 0;
  double hi = 0;
  for (int n = 0; n < middleBegin; ++n) {
    generalRow(g, rowOffset + n, lo, hi);
    store(n, lo, hi);
  }
  // Middle rows whose span lies inside the clip need neither clamp nor bound: their ends
  // only move one way down the rows, so they form one stretch, found by halving, and the
  // stretch's ends give its bounds. A pen two pixels wide or more covers a pixel per row.
  const auto middleEnds = [&](int n, double& lo, double& hi) {
    const double centre = (rowOffset + n) * g.crossSlope;
    lo = xOffset + (centre - g.crossHalf);
    hi = xOffset + (centre + g.crossHalf);
  };
  const double insideLo = static_cast<double>(clip.left) - xStart;
  const double insideHi = clip.right - 1.0 - xStart;
  const auto inside = [&](int n, bool low) {
    double lo = 0, hi = 0;
    middleEnds(n, lo, hi);
    return low ? lo >= insideLo : hi <= insideHi;
  };
  int fastBegin = middleEnd, fastEnd = middleEnd;
  if (g.r >= 1 && middleBegin < middleEnd) {
    // The first row from which a test holds for good, or fails for good.
    const auto turn = [&](bool low, bool holdsAfter) {
      int first = middleBegin, last = middleEnd;
      while (first < last) {
        const int mid = first + (last - first) / 2;
        if (inside(mid, low) == holdsAfter) {
          last = mid;
        } else {
          first = mid + 1;
        }
      }
      return first;
    };
    const bool rising = g.crossSlope >= 0;
    // Rising ends: the left one is inside from a row on, the right one up to a row.
    const int leftFrom = rising ? turn(true, true) : middleBegin;
    const int leftTo = rising ? middleEnd : turn(true, false);
    const int rightFrom = rising ? middleBegin : turn(false, true);
    const int rightTo = rising ? turn(false, false) : middleEnd;
    fastBegin = std::max(leftFrom, rightFrom);
    fastEnd = std::max(fastBegin, std::min(leftTo, rightTo));
  }
  for (int n = middleBegin; n < fastBegin; ++n) {
    const double centre = (rowOffset + n) * g.crossSlope;
    store(n, centre - g.crossHalf, centre + g.crossHalf);
  }
  for (int n = fastBegin; n < fastEnd; ++n) {
    double lo = 0, hi = 0;
    middleEnds(n, lo, hi);
    spans[n] = {static_cast<int>(ceilTo64(lo) + a.x), static_cast<int>(floorTo64(hi) + a.x + 1)};
  }
  if (fastBegin < fastEnd) {
    if (firstFilled < 0) firstFilled = fastBegin;
    lastFilled = fastEnd - 1;
    for (const int n : {fastBegin, fastEnd - 1}) {
      minLeft = std::min(minLeft, spans[n].left);
      maxRight = std::max(maxRight, spans[n].right);
    }
  }
  for (int n = fastEnd; n < middleEnd; ++n) {
    const double centre = (rowOffset + n) * g.crossSlope;
    store(n, centre - g.crossHalf, centre + g.crossHalf);
  }
  for (int n = middleEnd; n < rows; ++n) {
    generalRow(g, rowOffset + n, lo, hi);
    store(n, lo, hi);
  }
  if (firstFilled >= 0) {
    out.setBounds({minLeft, out.top() + firstFilled, maxRight, out.top() + lastFilled + 1});
  }
}

}  // namespace orvane
