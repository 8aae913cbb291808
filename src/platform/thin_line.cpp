#include "platform/thin_line.h"

#include <algorithm>

namespace orvane {

namespace {

// Products of two 33-bit differences need more than 64 bits.
__extension__ typedef __int128 Wide;

// Ties go the way the Windows drawing layer breaks them: octants numbered clockwise from
// +x with y down, and a bias of 1 in octants 3, 5, 6 and 8.
int octantBias(std::int64_t dx, std::int64_t dy) {
  int octant = 0;
  if (dy > 0) {
    if (dx > 0) {
      octant = dx > dy ? 1 : 2;
    } else {
      octant = -dx > dy ? 4 : 3;
    }
  } else if (dx < 0) {
    octant = -dx > -dy ? 5 : 6;
  } else {
    octant = dx > -dy ? 8 : 7;
  }
  return (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
}

Wide floorDiv(Wide a, Wide b) {  // b > 0
  const Wide q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

Wide ceilDiv(Wide a, Wide b) {  // b > 0
  return -floorDiv(-a, b);
}

}  // namespace

ThinRun clipThinLine(Point from, Point to, const Rect& clip) {
  ThinRun run;
  const std::int64_t dx = std::int64_t{to.x} - from.x;
  const std::int64_t dy = std::int64_t{to.y} - from.y;
  if ((dx == 0 && dy == 0) || clip.empty()) return run;

  const std::int64_t bias = octantBias(dx, dy);
  run.xMajor = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy);
  const std::int64_t major = run.xMajor ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy);
  const std::int64_t minor = run.xMajor ? (dy < 0 ? -dy : dy) : (dx < 0 ? -dx : dx);
  const std::int64_t majorDelta = run.xMajor ? dx : dy;
  const std::int64_t minorDelta = run.xMajor ? dy : dx;
  run.majorSign = majorDelta < 0 ? -1 : 1;
  run.minorSign = minorDelta < 0 ? -1 : 1;
  const std::int64_t major0 = run.xMajor ? from.x : from.y;
  const std::int64_t minor0 = run.xMajor ? from.y : from.x;
  const std::int64_t majorLo = run.xMajor ? clip.left : clip.top;
  const std::int64_t majorHi = (run.xMajor ? clip.right : clip.bottom) - 1;
  const std::int64_t minorLo = run.xMajor ? clip.top : clip.left;
  const std::int64_t minorHi = (run.xMajor ? clip.bottom : clip.right) - 1;

  // Pixel k (0 <= k < major) lies at major0 + majorSign*k on the major axis and
  // minor0 + minorSign*q(k) on the minor one, with
  // q(k) = floor((2*minor*k + major + bias - 1) / (2*major)), the closed form of the
  // stepping rule. The clip turns into a range of k on each axis.
  Wide kLo = 0;
  Wide kHi = major - 1;
  if (run.majorSign > 0) {
    kLo = std::max<Wide>(kLo, majorLo - major0);
    kHi = std::min<Wide>(kHi, majorHi - major0);
  } else {
    kLo = std::max<Wide>(kLo, major0 - majorHi);
    kHi = std::min<Wide>(kHi, major0 - majorLo);
  }
  const Wide qLo = run.minorSign > 0 ? minorLo - minor0 : minor0 - minorHi;
  const Wide qHi = run.minorSign > 0 ? minorHi - minor0 : minor0 - minorLo;
  if (qHi < 0) return run;
  const Wide twoMajor = Wide{2} * major;
  const Wide twoMinor = Wide{2} * minor;
  if (minor == 0) {
    if (qLo > 0) return run;
  } else {
    if (qLo > 0) kLo = std::max(kLo, ceilDiv(twoMajor * qLo - major - bias + 1, twoMinor));
    kHi = std::min(kHi, floorDiv(twoMajor * (qHi + 1) - major - bias, twoMinor));
  }
  if (kLo > kHi) return run;

  auto q = [&](Wide k) { return floorDiv(twoMinor * k + major + bias - 1, twoMajor); };
  auto pixelAt = [&](Wide k) {
    const std::int64_t a = static_cast<std::int64_t>(major0 + run.majorSign * k);
    const std::int64_t b = static_cast<std::int64_t>(minor0 + run.minorSign * q(k));
    return run.xMajor ? Point{static_cast<int>(a), static_cast<int>(b)}
                      : Point{static_cast<int>(b), static_cast<int>(a)};
  };
  run.first = pixelAt(kLo);
  run.last = pixelAt(kHi);
  run.count = static_cast<int>(kHi - kLo + 1);
  // The error term after kLo pixels: 2*minor - major + 2*minor*k - 2*major*q(k).
  run.error = static_cast<std::int64_t>(twoMinor * (kLo + 1) - major - twoMajor * q(kLo)) + bias;
  run.minorTwice = 2 * minor;
  run.majorTwice = 2 * major;
  return run;
}

}  // namespace orvane
