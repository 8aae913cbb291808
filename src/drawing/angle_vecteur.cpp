#include "drawing/angle_vecteur.h"

#include <cmath>

namespace orvane {

namespace {
constexpr double pi = 3.141592653589793;
constexpr double demi_pi = 1.5707963267948966;
}  // namespace

double angle_vecteur(double u, double v) {
  if (u == 0 && v == 0) return 0;
  // Divide by the larger component so the arctangent stays within [-pi/4, pi/4].
  if (std::fabs(u) > std::fabs(v)) {
    return u > 0 ? std::atan(v / u) : std::atan(v / u) + pi;
  }
  return v > 0 ? demi_pi - std::atan(u / v) : -demi_pi - std::atan(u / v);
}

}  // namespace orvane
