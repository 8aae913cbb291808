#pragma once

#include <cstdint>

#include "platform/row_spans.h"

namespace orvane {

// The ellipse inscribed in the box [left, right) x [top, bottom), shrunk by `inset` pixels
// on every side: row by row, the pixels whose centres lie inside it. Rows are symmetric
// about the box's centre by construction.
class EllipseRows {
 public:
  EllipseRows(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
              double inset);

  // The pixels of row y, [left, right); empty outside the ellipse.
  Span row(std::int64_t y) const;

 private:
  std::int64_t twiceCentreY_;
  std::int64_t centreX_;  // column right of the centre (even width) or at it (odd width)
  bool evenWidth_;
  double semiX_;
  double semiY_;
};

}  // namespace orvane
