#pragma once

namespace orvane {

// Angle of the vector (u, v) from the u axis towards the v axis, in radians, in
// [-3pi/4, 5pi/4); 0 for the null vector. Only its sine and cosine are used.
double angle_vecteur(double u, double v);

}  // namespace orvane
