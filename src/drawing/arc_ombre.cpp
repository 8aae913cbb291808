#include "drawing/arc_ombre.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "drawing/arrondi.h"

namespace orvane {

namespace {

using Entier = std::int64_t;

// The dots of a run that can touch the canvas: [debut, fin) of 0 .. w - 1.
struct Etendue {
  Entier debut, fin;
};

// a / b rounded up, for b > 0.
Entier div_haut(Entier a, Entier b) { return a >= 0 ? (a + b - 1) / b : -((-a) / b); }

Etendue etendue_run(const Canvas& canvas, const OmbreArc& ombre, int x, int y) {
  const Entier pas = std::max(ombre.echelle, 1);
  const Entier marge = ombre.largeur_point() / 2 + 1;
  return {std::max<Entier>({0, div_haut(-marge - x, pas), div_haut(-marge - y, pas)}),
          std::min<Entier>({ombre.largeur, div_haut(canvas.width() + marge - x, pas),
                            div_haut(canvas.height() + marge - y, pas)})};
}

// The run of w dots from (x, y), dot after dot through the pen.
void run_point_par_point(Canvas& canvas, const OmbreArc& ombre, Colour couleur, int x, int y) {
  const Etendue e = etendue_run(canvas, ombre, x, y);
  const Entier pas = std::max(ombre.echelle, 1);
  for (Entier s = e.debut; s < e.fin; ++s) {
    canvas.pen.color = teinte_ombre(ombre, couleur, static_cast<int>(s));
    point_du_crayon(canvas, static_cast<int>(x + s * pas), static_cast<int>(y + s * pas));
  }
}

// The shadow's colours, worked out once per arc for the dots most runs have.
class Teintes {
 public:
  Teintes(const OmbreArc& ombre, Colour couleur) : ombre_(ombre), couleur_(couleur) {
    const int n = std::min(ombre.largeur, 4096);
    for (int s = 0; s < n; ++s) table_.push_back(teinte_ombre(ombre, couleur, s) & 0xFFFFFFu);
  }
  Colour operator()(Entier s) const {
    return s < static_cast<Entier>(table_.size())
               ? table_[static_cast<std::size_t>(s)]
               : teinte_ombre(ombre_, couleur_, static_cast<int>(s)) & 0xFFFFFFu;
  }

 private:
  OmbreArc ombre_;
  Colour couleur_;
  std::vector<Colour> table_;
};

// Pixels a..b of a row, both included.
struct Intervalle {
  Entier a, b;
};
using Intervalles = std::vector<Intervalle>;

// The part of [a, b] outside the sorted, disjoint intervals `pris`.
void soustraire(Entier a, Entier b, const Intervalles& pris, Intervalles& reste) {
  reste.clear();
  for (const Intervalle& p : pris) {
    if (p.b < a) continue;
    if (p.a > b) break;
    if (p.a > a) reste.push_back({a, p.a - 1});
    a = std::max(a, p.b + 1);
    if (a > b) return;
  }
  if (a <= b) reste.push_back({a, b});
}

// Adds [a, b] to the sorted, disjoint intervals `pris`, merging what touches it.
void ajouter(Intervalles& pris, Intervalle n) {
  auto it =
      std::lower_bound(pris.begin(), pris.end(), n,
                       [](const Intervalle& p, const Intervalle& v) { return p.b + 1 < v.a; });
  auto fin = it;
  while (fin != pris.end() && fin->a <= n.b + 1) {
    n.a = std::min(n.a, fin->a);
    n.b = std::max(n.b, fin->b);
    ++fin;
  }
  it = pris.erase(it, fin);
  pris.insert(it, n);
}

// The dots' pixels are the wide pen's (capsule.h): on row j, dot s of a run from (x, y)
// covers the columns whose centres lie within h = sqrt(r^2 - v^2) of its centre, with
// v = j - (y + s pas) and the centre moved by half a pixel for an even width. The same
// arithmetic here gives the same pixels.
struct Run {
  double x0, y0, r;
  Entier largeur;
  Entier pas;

  // Columns of row `base` = j - y0 under dot s, clipped; empty when a > b.
  Intervalle corde(double base, Entier s) const {
    const double decalage = static_cast<double>(s * pas);
    const double v = base - decalage;
    if (std::abs(v) > r) return {0, -1};
    const double h = std::sqrt(r * r - v * v);
    const double centre = x0 + decalage;
    return {std::max<Entier>(0, static_cast<Entier>(std::ceil(std::max(centre - h, -1.0)))),
            std::min<Entier>(largeur - 1,
                             static_cast<Entier>(std::floor(std::min(centre + h, largeur + 1.0))))};
  }
  // The dots over pixel column p (relative to x0) of the row lie between these two values
  // of s: (p - s pas)^2 + (base - s pas)^2 <= r^2.
  double s_extreme(double base, double p, double signe) const {
    const double d = p - base;
    return (p + base + signe * std::sqrt(std::max(0.0, 2 * r * r - d * d))) / 2 /
           static_cast<double>(pas);
  }
  // The greatest s over some pixel of columns [a, b] of the row, and the least, with a
  // margin of rounding.
  Entier s_haut(double base, Entier a, Entier b) const {
    const double p = std::clamp(base + r, static_cast<double>(a) - x0, static_cast<double>(b) - x0);
    return static_cast<Entier>(std::floor(s_extreme(base, p, 1))) + 2;
  }
  Entier s_bas(double base, Entier a, Entier b) const {
    const double p = std::clamp(base - r, static_cast<double>(a) - x0, static_cast<double>(b) - x0);
    return static_cast<Entier>(std::ceil(s_extreme(base, p, -1))) - 2;
  }
};

// Copy mode: the picture is, pixel by pixel, the colour of the last dot over it. The runs
// are taken from the last one back, and in each run the dots from the last one back, each
// painting only what nothing later covers: every pixel is painted once, and a run hidden
// under later ones costs a few steps per row.
void runs_copie(Canvas& canvas, const OmbreArc& ombre, Colour couleur,
                const std::vector<Point>& points) {
  const int w = ombre.largeur_point();
  const Entier pas = std::max(ombre.echelle, 1);
  const double pas_reel = static_cast<double>(pas);
  const Teintes teintes(ombre, couleur);
  const double r = w / 2.0;
  const double decalage = w % 2 == 0 ? 0.5 : 0.0;
  const Entier largeur = canvas.width();
  std::vector<Intervalles> couvert(static_cast<std::size_t>(canvas.height()));
  Intervalles trous, peints, reste;
  Bitmap& image = canvas.bitmap();
  const Rect bande = canvas.clip();
  Rect change;
  for (auto point = points.rbegin(); point != points.rend(); ++point) {
    const Etendue e = etendue_run(canvas, ombre, point->x, point->y);
    if (e.debut >= e.fin) continue;
    const Run run{point->x + decalage, point->y + decalage, r, largeur, pas};
    const Entier premiere = std::max<Entier>(
        bande.top,
        static_cast<Entier>(std::ceil(run.y0 + static_cast<double>(e.debut * pas) - r)));
    const Entier derniere = std::min<Entier>(
        bande.bottom - 1,
        static_cast<Entier>(std::floor(run.y0 + static_cast<double>((e.fin - 1) * pas) + r)));
    for (Entier j = premiere; j <= derniere; ++j) {
      const double base = static_cast<double>(j) - run.y0;
      const Entier s_min =
          std::max(e.debut, static_cast<Entier>(std::ceil((base - r) / pas_reel)));
      const Entier s_max =
          std::min(e.fin - 1, static_cast<Entier>(std::floor((base + r) / pas_reel)));
      if (s_min > s_max) continue;
      // The run's columns on this row: one interval, whose ends come from the dots where
      // centre - h is least and centre + h greatest (v = r / sqrt 2 and -r / sqrt 2).
      Entier gauche = largeur, droite = -1;
      for (double optimum : {base - r / std::sqrt(2.0), base + r / std::sqrt(2.0)}) {
        const double o = std::clamp(optimum / pas_reel, static_cast<double>(s_min),
                                    static_cast<double>(s_max));
        for (Entier s : {static_cast<Entier>(std::floor(o)), static_cast<Entier>(std::ceil(o))}) {
          const Intervalle c = run.corde(base, s);
          if (c.a > c.b) continue;
          gauche = std::min(gauche, c.a);
          droite = std::max(droite, c.b);
        }
      }
      if (gauche > droite) continue;
      Intervalles& pris = couvert[static_cast<std::size_t>(j)];
      soustraire(gauche, droite, pris, trous);
      if (trous.empty()) continue;
      Entier haut = s_min, bas = s_max;
      for (const Intervalle& t : trous) {
        haut = std::max(haut, run.s_haut(base, t.a, t.b));
        bas = std::min(bas, run.s_bas(base, t.a, t.b));
      }
      haut = std::min(haut, s_max);
      bas = std::max(bas, s_min);
      Colour* ligne = image.row(static_cast<int>(j));
      peints.clear();
      for (Entier s = haut; s >= bas && !trous.empty(); --s) {
        const Intervalle c = run.corde(base, s);
        if (c.a > c.b) continue;
        reste.clear();
        for (const Intervalle& t : trous) {
          const Entier a = std::max(t.a, c.a), b = std::min(t.b, c.b);
          if (a > b) {
            reste.push_back(t);
            continue;
          }
          std::fill(ligne + a, ligne + b + 1, teintes(s));
          peints.push_back({a, b});
          if (t.a < a) reste.push_back({t.a, a - 1});
          if (b < t.b) reste.push_back({b + 1, t.b});
        }
        trous.swap(reste);
      }
      for (const Intervalle& p : peints) {
        ajouter(pris, p);
        change.unite({static_cast<int>(p.a), static_cast<int>(j), static_cast<int>(p.b + 1),
                      static_cast<int>(j + 1)});
      }
    }
  }
  canvas.markDirty(change);
}

}  // namespace

Colour teinte_ombre(const OmbreArc& ombre, Colour couleur, int s) {
  double f = 1 - static_cast<double>(s) / ombre.largeur;
  if (ombre.ombre_1) f = f * f;
  if (ombre.ombre_2) f = std::fabs(std::sin(3.14 * f));
  const auto composante = [f](int v) { return static_cast<int>(arrondi(v * f)); };
  return RGB(composante(rouge(couleur)), composante(vert(couleur)), composante(bleu(couleur)));
}

void trace_runs_ombre(Canvas& canvas, const OmbreArc& ombre, Colour couleur,
                      const std::vector<Point>& points) {
  // Dots of a one-pixel pen draw nothing, and a clear pen draws nothing at all.
  if (ombre.largeur > 1 && canvas.pen.style == PenStyle::Solid) {
    if (canvas.pen.mode == R2_COPYPEN) {
      runs_copie(canvas, ombre, couleur, points);
    } else {
      for (Point p : points) run_point_par_point(canvas, ombre, couleur, p.x, p.y);
    }
  }
  canvas.pen.color = teinte_ombre(ombre, couleur, ombre.largeur - 1);
}

}  // namespace orvane
