#include "platform/ellipse_rows.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace orvane {

EllipseRows::EllipseRows(std::int64_t left, std::int64_t top, std::int64_t right,
                         std::int64_t bottom, double inset)
    : twiceCentreY_(top + bottom),
      centreX_((left + right) >> 1),
      evenWidth_((right - left) % 2 == 0),
      semiX_((right - left) / 2.0 - inset),
      semiY_((bottom - top) / 2.0 - inset) {}

Span EllipseRows::row(std::int64_t y) const {
  if (semiX_ <= 0 || semiY_ <= 0) return {};
  const double v = (2 * y + 1 - twiceCentreY_) / 2.0;
  if (std::abs(v) > semiY_) return {};
  // Written so that a circle's half widths are exact square roots.
  const double half = semiX_ / semiY_ * std::sqrt(semiY_ * semiY_ - v * v);
  // Centres at offsets k + 1/2 from an even box's centre line, at k from an odd box's.
  std::int64_t left = 0;
  std::int64_t right = 0;
  if (evenWidth_) {
    const auto n = static_cast<std::int64_t>(std::floor(half + 0.5));
    left = centreX_ - n;
    right = centreX_ + n;
  } else {
    const auto n = static_cast<std::int64_t>(std::floor(half));
    left = centreX_ - n;
    right = centreX_ + n + 1;
  }
  return {static_cast<int>(std::clamp<std::int64_t>(left, INT_MIN, INT_MAX)),
          static_cast<int>(std::clamp<std::int64_t>(right, INT_MIN, INT_MAX))};
}

}  // namespace orvane
