#pragma once

namespace orvane {

// A position in canvas pixels, y growing downwards.
struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

}  // namespace orvane
