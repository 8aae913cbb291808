#include "drawing/arc_ellipse.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "drawing/arc_ombre.h"

namespace orvane {

void construire_tables_quart(TableQuart& sinus, TableQuart& cosinus) {
  const long double pi = 3.141592653589793238462643383279502884L;
  for (int i = 0; i < kPointsArc; ++i) {
    const long double x = static_cast<long double>(i) * pi / 2.0L / 181.0L;
    sinus[static_cast<std::size_t>(i)] = std::sin(x);
    cosinus[static_cast<std::size_t>(i)] = std::cos(x);
  }
}

int OmbreArc::largeur_point() const {
  return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{largeur} * std::max(echelle, 1),
                                                   INT_MIN, INT_MAX));
}

void trace_ligne(Canvas& canvas, Point a, Point b, int mode, Colour couleur, int largeur) {
  canvas.pen.width = largeur;
  canvas.pen.mode = mode;
  canvas.pen.color = couleur;
  canvas.MoveTo(a.x, a.y);
  canvas.LineTo(b.x, b.y);
}

void trace_arc_ellipse(Canvas& canvas, const TableQuart& sinus, const TableQuart& cosinus,
                       Point a, Point b, Point c, int mode, Colour couleur, int largeur,
                       const OmbreArc& ombre) {
  if (b == c) return;
  canvas.pen.width = largeur;
  canvas.pen.mode = mode;
  canvas.pen.color = couleur;
  if (mode == R2_XORPEN) {
    points_arc(sinus, cosinus, a, b, c, [&](int x, int y) { point_du_crayon(canvas, x, y); });
    return;
  }
  if (!ombre.active()) {
    bool premier = true;
    points_arc(sinus, cosinus, a, b, c, [&](int x, int y) {
      canvas.pen.color = couleur;
      if (premier) {
        canvas.MoveTo(x, y);
        premier = false;
      } else {
        canvas.LineTo(x, y);
      }
    });
    return;
  }
  if (ombre.largeur < 1) return;
  canvas.pen.width = ombre.largeur_point();
  std::vector<Point> points;
  points.reserve(kPointsArc);
  points_arc(sinus, cosinus, a, b, c, [&](int x, int y) { points.push_back({x, y}); });
  trace_runs_ombre(canvas, ombre, couleur, points);
}

}  // namespace orvane
