#include "reference_drawing.h"

#include <cstdlib>

namespace orvane::test {

void referenceThinLine(Bitmap& bitmap, Point from, Point to, Colour colour) {
  const std::int64_t dx = std::int64_t{to.x} - from.x;
  const std::int64_t dy = std::int64_t{to.y} - from.y;
  if (dx == 0 && dy == 0) return;
  int octant = 0;
  if (dy > 0) {
    octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
  } else if (dx < 0) {
    octant = -dx > -dy ? 5 : 6;
  } else {
    octant = dx > -dy ? 8 : 7;
  }
  const int bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
  const bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
  const std::int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  const int sx = dx < 0 ? -1 : 1;
  const int sy = dy < 0 ? -1 : 1;
  std::int64_t x = from.x;
  std::int64_t y = from.y;
  std::int64_t error = 2 * minor - major;
  for (std::int64_t i = 0; i < major; ++i) {
    if (x >= 0 && y >= 0 && x < bitmap.width() && y < bitmap.height()) {
      bitmap.setPixel(static_cast<int>(x), static_cast<int>(y), colour);
    }
    if (error + bias > 0) {
      if (xMajor) {
        y += sy;
      } else {
        x += sx;
      }
      error -= 2 * major;
    }
    error += 2 * minor;
    if (xMajor) {
      x += sx;
    } else {
      y += sy;
    }
  }
}

bool referenceInCapsule(Point a, Point b, int width, int x, int y, bool& onEdge) {
  // Doubled coordinates make the half-pixel offset of even widths an integer.
  const std::int64_t offset = width % 2 == 0 ? 1 : 0;
  const std::int64_t ax = 2 * std::int64_t{a.x} + offset;
  const std::int64_t ay = 2 * std::int64_t{a.y} + offset;
  const std::int64_t dx = 2 * (std::int64_t{b.x} - a.x);
  const std::int64_t dy = 2 * (std::int64_t{b.y} - a.y);
  const std::int64_t px = 2 * std::int64_t{x} - ax;
  const std::int64_t py = 2 * std::int64_t{y} - ay;
  const std::int64_t r = width;  // half the width, doubled
  const std::int64_t lengthSquared = dx * dx + dy * dy;
  const std::int64_t dot = px * dx + py * dy;
  std::int64_t lhs = 0;
  std::int64_t rhs = 0;
  if (dot <= 0 || lengthSquared == 0) {
    lhs = px * px + py * py;
    rhs = r * r;
  } else if (dot >= lengthSquared) {
    const std::int64_t qx = px - dx;
    const std::int64_t qy = py - dy;
    lhs = qx * qx + qy * qy;
    rhs = r * r;
  } else {
    const std::int64_t cross = px * dy - py * dx;
    lhs = cross * cross;
    rhs = r * r * lengthSquared;
  }
  onEdge = lhs == rhs;
  return lhs <= rhs;
}

}  // namespace orvane::test
