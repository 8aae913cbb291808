#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "platform/canvas.h"

namespace orvane {

// A quarter turn in 181 equal steps, both ends included.
inline constexpr int kPointsArc = 182;
using TableQuart = std::array<long double, kPointsArc>;

// sin and cos of i * (pi / 2) / 181 for i = 0 .. 181, in extended precision.
void construire_tables_quart(TableQuart& sinus, TableQuart& cosinus);

// The shadow boxes and the shadow width w as a shaded arc reads them.
struct OmbreArc {
  bool ombre_1 = false;
  bool ombre_2 = false;
  int largeur = 12;
  // A re-drawing at scale K: each of the w dots is K times as wide and K pixels further
  // than the last, so that the run keeps its w shades.
  int echelle = 1;
  bool active() const { return ombre_1 || ombre_2; }
  // The width of each dot.
  int largeur_point() const;
};

// Calls f(x, y) for each of the 182 points of the quarter ellipse from a to c whose
// tangents meet at b: O + u cos(t) + v sin(t) with O = a - b + c, u = b - c, v = b - a,
// each coordinate rounded half to even. Points that do not fit 32-bit coordinates are
// left out.
template <class F>
void points_arc(const TableQuart& sinus, const TableQuart& cosinus, Point a, Point b, Point c,
                F&& f) {
  const long double ox = static_cast<long double>(a.x) - b.x + c.x;
  const long double oy = static_cast<long double>(a.y) - b.y + c.y;
  const long double ux = static_cast<long double>(b.x) - c.x;
  const long double uy = static_cast<long double>(b.y) - c.y;
  const long double vx = static_cast<long double>(b.x) - a.x;
  const long double vy = static_cast<long double>(b.y) - a.y;
  constexpr long double kMin = INT32_MIN, kMax = INT32_MAX;
  for (int i = 0; i < kPointsArc; ++i) {
    const long double x = std::nearbyint(ox + ux * cosinus[i] + vx * sinus[i]);
    const long double y = std::nearbyint(oy + uy * cosinus[i] + vy * sinus[i]);
    if (x < kMin || x > kMax || y < kMin || y > kMax) continue;
    f(static_cast<int>(x), static_cast<int>(y));
  }
}

// A zero-length line of the current pen: a round dot of its width, nothing with a
// one-pixel pen.
inline void point_du_crayon(Canvas& canvas, int x, int y) {
  canvas.MoveTo(x, y);
  canvas.LineTo(x, y);
}

// Sets the pen to the width, the mix mode and the colour, in that order, and draws a-b.
void trace_ligne(Canvas& canvas, Point a, Point b, int mode, Colour couleur, int largeur);

// The arc from a to c whose tangents meet at b; nothing, pen untouched, when b equals c.
// In XOR each point is a dot of the pen, so that drawing it twice restores the canvas;
// otherwise a polyline through the points, or with a shadow box checked, a diagonal run
// of w dots of width w per point, darkening as the shadow curve says.
void trace_arc_ellipse(Canvas& canvas, const TableQuart& sinus, const TableQuart& cosinus,
                       Point a, Point b, Point c, int mode, Colour couleur, int largeur,
                       const OmbreArc& ombre);

}  // namespace orvane
