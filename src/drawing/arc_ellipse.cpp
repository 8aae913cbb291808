#include "drawing/arc_ellipse.h"

#include <algorithm>
#include <cmath>

#include "drawing/arrondi.h"

namespace orvane {

namespace {

Colour teinte_ombre(const OmbreArc& ombre, Colour couleur, int s) {
  double f = 1 - static_cast<double>(s) / ombre.largeur;
  if (ombre.ombre_1) f = f * f;
  if (ombre.ombre_2) f = std::fabs(std::sin(3.14 * f));
  const auto composante = [f](int v) { return static_cast<int>(arrondi(v * f)); };
  return RGB(composante(rouge(couleur)), composante(vert(couleur)), composante(bleu(couleur)));
}

// The run of w dots of width w from (x, y) down and to the right. Dots that cannot touch
// the canvas are skipped, so a wide shadow costs at most the canvas' size per point.
void run_ombre(Canvas& canvas, const OmbreArc& ombre, Colour couleur, int x, int y) {
  const std::int64_t w = ombre.largeur;
  const std::int64_t marge = w / 2 + 1;
  const std::int64_t debut = std::max<std::int64_t>({0, -marge - x, -marge - y});
  const std::int64_t fin = std::min<std::int64_t>(
      {w, canvas.width() + marge - x, canvas.height() + marge - y});
  for (std::int64_t s = debut; s < fin; ++s) {
    canvas.pen.color = teinte_ombre(ombre, couleur, static_cast<int>(s));
    point_du_crayon(canvas, static_cast<int>(x + s), static_cast<int>(y + s));
  }
}

}  // namespace

void construire_tables_quart(TableQuart& sinus, TableQuart& cosinus) {
  const long double pi = 3.141592653589793238462643383279502884L;
  for (int i = 0; i < kPointsArc; ++i) {
    const long double x = static_cast<long double>(i) * pi / 2.0L / 181.0L;
    sinus[static_cast<std::size_t>(i)] = std::sin(x);
    cosinus[static_cast<std::size_t>(i)] = std::cos(x);
  }
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
  canvas.pen.width = ombre.largeur;
  points_arc(sinus, cosinus, a, b, c,
             [&](int x, int y) { run_ombre(canvas, ombre, couleur, x, y); });
  // The pen as the last dot of the last run leaves it, even where dots were skipped.
  canvas.pen.color = teinte_ombre(ombre, couleur, ombre.largeur - 1);
}

}  // namespace orvane
