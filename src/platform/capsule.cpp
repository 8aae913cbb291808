#include "platform/capsule.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace orvane {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// floor and ceil by conversion: std::floor is a library call without SSE4.1, and this runs
// once per row. Arguments are first clamped to a range that fits in an int.
int floorToInt(double v) {
  const int i = static_cast<int>(v);
  return i > v ? i - 1 : i;
}
int ceilToInt(double v) {
  const int i = static_cast<int>(v);
  return i < v ? i + 1 : i;
}

}  // namespace

void capsuleSpans(Point a, Point b, int width, const Rect& clip, RowSpans& out) {
  // One order for both directions, so that a line and its reverse are the same pixels.
  if (a.y > b.y || (a.y == b.y && a.x > b.x)) std::swap(a, b);
  const double r = width / 2.0;
  const double offset = width % 2 == 0 ? 0.5 : 0.0;
  const double x0 = a.x + offset;
  const double y0 = a.y + offset;
  const double dx = static_cast<double>(b.x) - a.x;
  const double dy = static_cast<double>(b.y) - a.y;  // >= 0

  const double firstRow = std::max(std::ceil(y0 - r), static_cast<double>(clip.top));
  const double lastRow = std::min(std::floor(y0 + dy + r), clip.bottom - 1.0);
  out.reset(static_cast<int>(std::min(firstRow, static_cast<double>(clip.bottom))));
  if (clip.empty() || firstRow > lastRow) return;

  const double rSquared = r * r;
  const double lengthSquared = dx * dx + dy * dy;
  const double length = std::sqrt(lengthSquared);
  // Band around the segment, for a row at height v above the start, in x relative to the
  // start: |cross| <= r*length gives v*crossSlope -+ crossHalf; 0 <= dot <= length^2
  // gives v*dotSlope + [0, dotLength] (bounds swapped when dx < 0).
  const double crossSlope = dy > 0 ? dx / dy : 0.0;
  const double crossHalf = dy > 0 ? r * length / dy : 0.0;
  const double dotSlope = dx != 0 ? -dy / dx : 0.0;
  const double dotLength = dx != 0 ? lengthSquared / dx : 0.0;
  // Span ends are clamped to one pixel beyond the clip before conversion.
  const double clampLo = clip.left - 1.0;
  const double clampHi = clip.right + 1.0;

  auto toSpan = [&](double lo, double hi) {
    if (lo > hi) return Span{};
    return Span{std::max(ceilToInt(std::clamp(x0 + lo, clampLo, clampHi)), clip.left),
                std::min(floorToInt(std::clamp(x0 + hi, clampLo, clampHi)) + 1, clip.right)};
  };
  // A row further than r from both ends' rows meets neither cap, and there the band's
  // ends lie beyond the row (its edges project inside the segment): only the two sides.
  const double middleFrom = r;
  const double middleTo = dy - r;

  const int rows = static_cast<int>(lastRow - firstRow) + 1;
  for (int n = 0; n < rows; ++n) {
    const double v = (firstRow + n) - y0;
    if (v > middleFrom && v < middleTo) {
      out.add(toSpan(v * crossSlope - crossHalf, v * crossSlope + crossHalf));
      continue;
    }
    double lo = kInfinity;
    double hi = -kInfinity;
    if (std::abs(v) <= r) {
      const double h = std::sqrt(rSquared - v * v);
      lo = -h;
      hi = h;
    }
    const double u = v - dy;
    if (std::abs(u) <= r) {
      const double h = std::sqrt(rSquared - u * u);
      lo = std::min(lo, dx - h);
      hi = std::max(hi, dx + h);
    }
    if (dy == 0) {
      if (std::abs(v) <= r) {
        lo = std::min(lo, 0.0);
        hi = std::max(hi, dx);
      }
    } else {
      double bandLo = v * crossSlope - crossHalf;
      double bandHi = v * crossSlope + crossHalf;
      if (dx > 0) {
        bandLo = std::max(bandLo, v * dotSlope);
        bandHi = std::min(bandHi, v * dotSlope + dotLength);
      } else if (dx < 0) {
        bandLo = std::max(bandLo, v * dotSlope + dotLength);
        bandHi = std::min(bandHi, v * dotSlope);
      } else if (v < 0 || v > dy) {
        bandLo = kInfinity;
      }
      if (bandLo <= bandHi) {
        lo = std::min(lo, bandLo);
        hi = std::max(hi, bandHi);
      }
    }
    out.add(toSpan(lo, hi));
  }
}

}  // namespace orvane
