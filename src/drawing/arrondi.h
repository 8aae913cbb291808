#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace orvane {

// Round of a real: nearest integer, halves to even (the default rounding mode).
inline double arrondi(double x) { return std::nearbyint(x); }

// Whether an integer computed in 64 bits can reach the canvas as a 32-bit coordinate.
inline bool tient_sur_32_bits(std::int64_t v) {
  return v >= std::numeric_limits<std::int32_t>::min() &&
         v <= std::numeric_limits<std::int32_t>::max();
}

// Round(x) in 64 bits, or false when x is not finite or lies far outside the 32-bit range
// (small offsets added later are checked again with tient_sur_32_bits).
inline bool arrondi_64(double x, std::int64_t& resultat) {
  constexpr double limite = 4.0e18;
  const double r = arrondi(x);
  if (!(r >= -limite && r <= limite)) return false;  // also false for NaN
  resultat = static_cast<std::int64_t>(r);
  return true;
}

}  // namespace orvane
