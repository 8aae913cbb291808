#include "drawing/arc_ellipse.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

// The dots of a run that can touch the canvas: [debut, fin) of 0 .. w - 1.
struct Etendue {
  std::int64_t debut, fin;
};
Etendue etendue_run(const Canvas& canvas, int w, int x, int y) {
  const std::int64_t marge = w / 2 + 1;
  return {std::max<std::int64_t>({0, -marge - x, -marge - y}),
          std::min<std::int64_t>({w, canvas.width() + marge - x, canvas.height() + marge - y})};
}

// The run of w dots of width w from (x, y) down and to the right, dot after dot.
void run_ombre(Canvas& canvas, const OmbreArc& ombre, Colour couleur, int x, int y) {
  const Etendue e = etendue_run(canvas, ombre.largeur, x, y);
  for (std::int64_t s = e.debut; s < e.fin; ++s) {
    canvas.pen.color = teinte_ombre(ombre, couleur, static_cast<int>(s));
    point_du_crayon(canvas, static_cast<int>(x + s), static_cast<int>(y + s));
  }
}

// The shadow's colours, worked out once per arc for the dots most runs have.
class Teintes {
 public:
  Teintes(const OmbreArc& ombre, Colour couleur) : ombre_(ombre), couleur_(couleur) {
    const int n = std::min(ombre.largeur, 4096);
    for (int s = 0; s < n; ++s) table_.push_back(teinte_ombre(ombre, couleur, s));
  }
  Colour operator()(std::int64_t s) const {
    return s < static_cast<std::int64_t>(table_.size())
               ? table_[static_cast<std::size_t>(s)]
               : teinte_ombre(ombre_, couleur_, static_cast<int>(s));
  }

 private:
  OmbreArc ombre_;
  Colour couleur_;
  std::vector<Colour> table_;
};

// Whether every pixel of the canvas lies under some dot of the run: its four corners lie
// within r - 1 of the segment of the dots' centres (the shape is convex, and a pixel that
// close to the segment is well inside the nearest dot).
bool run_couvre_canvas(const Canvas& canvas, int w, int x, int y) {
  const Etendue e = etendue_run(canvas, w, x, y);
  const double r = w / 2.0;
  if (e.debut >= e.fin || r < 2) return false;
  const double decalage = w % 2 == 0 ? 0.5 : 0.0;
  const double ax = x + decalage + static_cast<double>(e.debut);
  const double ay = y + decalage + static_cast<double>(e.debut);
  const double longueur = static_cast<double>(e.fin - 1 - e.debut);
  const auto proche = [&](double px, double py) {
    // The nearest centre on the diagonal segment from (ax, ay), length `longueur` per axis.
    const double t = std::clamp(((px - ax) + (py - ay)) / 2, 0.0, longueur);
    const double dx = px - (ax + t), dy = py - (ay + t);
    return dx * dx + dy * dy <= (r - 1) * (r - 1);
  };
  const double droite = canvas.width() - 1.0, bas = canvas.height() - 1.0;
  return proche(0, 0) && proche(droite, 0) && proche(0, bas) && proche(droite, bas);
}

// The same run in copy mode, each pixel painted once in the colour of the last dot over
// it: row by row, from the last dot back, only what the later dots left uncovered. The
// dots' pixels are the wide pen's (capsule.h: centres within w/2 of the dot's centre, moved
// by half a pixel for an even w), found with the same arithmetic, so the picture is the
// dot-by-dot one; a wide shadow costs the run's area instead of w times it.
void run_ombre_copie(Canvas& canvas, const Teintes& teintes, int w, int x, int y) {
  const Etendue e = etendue_run(canvas, w, x, y);
  if (e.debut >= e.fin) return;
  const double r = w / 2.0;
  const double decalage = w % 2 == 0 ? 0.5 : 0.0;
  const double y0 = static_cast<double>(y) + decalage;
  const double x0 = static_cast<double>(x) + decalage;
  const std::int64_t largeur = canvas.width();
  const std::int64_t premiere = std::max<std::int64_t>(
      0, static_cast<std::int64_t>(std::ceil(y0 + static_cast<double>(e.debut) - r)));
  const std::int64_t derniere = std::min<std::int64_t>(
      canvas.height() - 1,
      static_cast<std::int64_t>(std::floor(y0 + static_cast<double>(e.fin - 1) + r)));
  Bitmap& image = canvas.bitmap();
  Rect peint;
  for (std::int64_t j = premiere; j <= derniere; ++j) {
    // The dots that reach row j: |j - (y0 + s)| <= r.
    const double base = static_cast<double>(j) - y0;
    std::int64_t s_min = std::max(e.debut, static_cast<std::int64_t>(std::ceil(base - r)));
    std::int64_t s_max =
        std::min(e.fin - 1, static_cast<std::int64_t>(std::floor(base + r)));
    // Fewer still: the dots over some pixel of the row inside the canvas (one pixel's
    // dots are those with (P - s)^2 + (Q - s)^2 <= r^2, an interval of s; a dot beyond
    // the canvas would cost a step each).
    const auto bornes = [&](double p, double signe) {
      const double d = p - base;
      const double racine = std::sqrt(std::max(0.0, 2 * r * r - d * d));
      return (p + base + signe * racine) / 2;
    };
    const double p_min = -x0, p_max = static_cast<double>(largeur - 1) - x0;
    const double p_haut = std::clamp(base + r, p_min, p_max);
    const double p_bas = std::clamp(base - r, p_min, p_max);
    if ((p_haut - base) * (p_haut - base) > 2 * r * r + 1) continue;
    s_max = std::min(s_max, static_cast<std::int64_t>(std::floor(bornes(p_haut, 1))) + 1);
    s_min = std::max(s_min, static_cast<std::int64_t>(std::ceil(bornes(p_bas, -1))) - 1);
    Colour* ligne = image.row(static_cast<int>(j));
    std::int64_t gauche = 0, droite = -1;  // the row's pixels painted so far: [gauche, droite]
    bool vide = true;
    for (std::int64_t s = s_max; s >= s_min; --s) {
      const double v = base - static_cast<double>(s);
      if (std::abs(v) > r) continue;
      const double h = std::sqrt(r * r - v * v);
      const double centre = x0 + static_cast<double>(s);
      const std::int64_t a = std::max<std::int64_t>(
          0, static_cast<std::int64_t>(std::ceil(std::max(centre - h, -1.0))));
      const std::int64_t b = std::min<std::int64_t>(
          largeur - 1,
          static_cast<std::int64_t>(std::floor(std::min(centre + h, largeur + 1.0))));
      if (a > b) continue;
      const Colour c = teintes(s) & 0xFFFFFFu;
      if (vide) {
        std::fill(ligne + a, ligne + b + 1, c);
        gauche = a;
        droite = b;
        vide = false;
      } else {
        // The dots move left as s falls: what is new lies on either side of the painted part.
        if (a < gauche) std::fill(ligne + a, ligne + std::min(b + 1, gauche), c);
        if (b > droite) std::fill(ligne + std::max(a, droite + 1), ligne + b + 1, c);
        gauche = std::min(gauche, a);
        droite = std::max(droite, b);
      }
      if (gauche == 0 && droite == largeur - 1) break;  // nothing further can show
    }
    if (!vide) {
      peint.unite({static_cast<int>(gauche), static_cast<int>(j), static_cast<int>(droite + 1),
                   static_cast<int>(j + 1)});
    }
  }
  canvas.markDirty(peint);
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
  // Dots of a one-pixel pen draw nothing, and a clear pen draws nothing at all.
  if (ombre.largeur > 1 && canvas.pen.style == PenStyle::Solid) {
    if (mode == R2_COPYPEN) {
      std::vector<Point> points;
      points_arc(sinus, cosinus, a, b, c, [&](int x, int y) { points.push_back({x, y}); });
      // Runs before the last one that covers the whole canvas cannot show.
      std::size_t premier = 0;
      for (std::size_t i = points.size(); i-- > 0;) {
        if (run_couvre_canvas(canvas, ombre.largeur, points[i].x, points[i].y)) {
          premier = i;
          break;
        }
      }
      const Teintes teintes(ombre, couleur);
      for (std::size_t i = premier; i < points.size(); ++i) {
        run_ombre_copie(canvas, teintes, ombre.largeur, points[i].x, points[i].y);
      }
    } else {
      points_arc(sinus, cosinus, a, b, c,
                 [&](int x, int y) { run_ombre(canvas, ombre, couleur, x, y); });
    }
  }
  // The pen as the last dot of the last run leaves it, even where dots were skipped.
  canvas.pen.color = teinte_ombre(ombre, couleur, ombre.largeur - 1);
}

}  // namespace orvane
