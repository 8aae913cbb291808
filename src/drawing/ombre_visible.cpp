#include "drawing/ombre_visible.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

// One bound on the shift i as a function of the position t (0..1) along the segment:
// a - t * b.
struct Borne {
  double a, b;
  double en(double t) const { return a - t * b; }
};

// Where two bounds cross, if they do.
bool croisement(const Borne& p, const Borne& q, double& t) {
  if (p.b == q.b) return false;
  t = (p.a - q.a) / (p.b - q.b);
  return std::isfinite(t);
}

}  // namespace

LignesVisibles lignes_ombre_visibles(const SegmentEntier& s, int largeur_ombre, int epaisseur,
                                     int largeur_toile, int hauteur_toile) {
  // A pixel of line i lies within the pen's width (and the half-pixel shift of even widths)
  // of the point p(t) + (i, i): that point must fall in the canvas grown by a margin.
  const double marge = epaisseur + 2.0;
  const double xl = -marge, xh = largeur_toile + marge;
  const double yl = -marge, yh = hauteur_toile + marge;
  const double x1 = static_cast<double>(s.x1), y1 = static_cast<double>(s.y1);
  const double dx = static_cast<double>(s.x2 - s.x1), dy = static_cast<double>(s.y2 - s.y1);
  // i >= each lower bound and <= each upper bound, at some t in [0, 1].
  const std::array<Borne, 2> basses{Borne{xl - x1, dx}, Borne{yl - y1, dy}};
  const std::array<Borne, 2> hautes{Borne{xh - x1, dx}, Borne{yh - y1, dy}};

  const auto bas = [&](double t) { return std::max(basses[0].en(t), basses[1].en(t)); };
  const auto haut = [&](double t) { return std::min(hautes[0].en(t), hautes[1].en(t)); };

  // The usual case, an end where every line falls within the margin: the lowest i is then
  // at most 0 and the highest at least largeur_ombre - 1, so all the lines show.
  if (largeur_ombre >= 1) {
    for (const double t : {0.0, 1.0}) {
      if (bas(t) <= 0 && haut(t) >= largeur_ombre - 1.0) return {0, largeur_ombre};
    }
  }

  // The feasible (t, i) form a convex polygon: its lowest and highest i lie at a vertex,
  // where t is 0, 1 or the crossing of two bounds.
  std::array<double, 8> candidats{};
  int n = 0;
  candidats[n++] = 0;
  candidats[n++] = 1;
  std::array<Borne, 4> toutes{basses[0], basses[1], hautes[0], hautes[1]};
  for (int p = 0; p < 4; ++p) {
    for (int q = p + 1; q < 4; ++q) {
      double t = 0;
      if (croisement(toutes[p], toutes[q], t) && t > 0 && t < 1 && n < 8) candidats[n++] = t;
    }
  }
  // Far coordinates lose precision in doubles: allow more than the error can be.
  const double jeu = 2 + 1e-9 * (std::fabs(x1) + std::fabs(y1) + std::fabs(dx) + std::fabs(dy) +
                                 largeur_toile + hauteur_toile);
  double i_min = std::numeric_limits<double>::infinity();
  double i_max = -std::numeric_limits<double>::infinity();
  for (int k = 0; k < n; ++k) {
    const double t = candidats[k];
    const double b = bas(t), h = haut(t);
    // A line too many is clipped away; one too few would be wrong.
    if (b > h + jeu) continue;
    i_min = std::min(i_min, b);
    i_max = std::max(i_max, h);
  }
  if (!(i_min <= i_max)) return {};
  const double debut = std::max(0.0, std::floor(i_min - jeu));
  const double fin = std::min(static_cast<double>(largeur_ombre), std::ceil(i_max + jeu) + 1);
  if (!(debut < fin)) return {};
  return {static_cast<std::int64_t>(debut), static_cast<std::int64_t>(fin)};
}

}  // namespace orvane
