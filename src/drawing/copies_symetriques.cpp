#include "drawing/copies_symetriques.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "drawing/angle_vecteur.h"

namespace orvane {

namespace {

constexpr double deux_pi = 6.283185307179586;

// Beyond this radius one coordinate of a point exceeds r/sqrt(2) - |centre|, which no
// 32-bit centre, clone offset and shadow offset can bring back into the 32-bit range.
constexpr double rayon_hors_limites = 17179869184.0;  // 2^34

// Mirror of coordinate v about c, in 64 bits so that no input overflows.
double miroir(int v, int c) {
  return static_cast<double>(2 * static_cast<std::int64_t>(c) - v);
}

void copies_polaires(const ReglagesTrace& reglages, Point centre, Point a, Point b,
                     const std::function<void(const Copie&)>& copie) {
  const double cx = centre.x;
  const double cy = centre.y;
  const double dx1 = static_cast<double>(a.x) - cx;
  const double dy1 = static_cast<double>(a.y) - cy;
  const double dx2 = static_cast<double>(b.x) - cx;
  const double dy2 = static_cast<double>(b.y) - cy;
  double r1 = std::sqrt(dx1 * dx1 + dy1 * dy1);
  double r2 = std::sqrt(dx2 * dx2 + dy2 * dy2);
  double theta1 = angle_vecteur(dy1, dx1);
  double theta2 = angle_vecteur(dy2, dx2);
  const int n = reglages.nb_petales;
  const double pas = deux_pi / n;

  std::int64_t tours = 1;
  double f = 1;
  if (reglages.spirale) {
    tours = reglages.tours;
    f = reglages.facteur_milliemes / 1000.0;
  }
  const bool avec_miroir = reglages.type_trace == 4 || reglages.symetrie == 1;
  const bool croissante = std::fabs(f) >= 1;

  const std::int64_t total = tours * n;
  for (std::int64_t k = 0; k < total; ++k) {
    const double s1 = r1 * std::sin(theta1);
    const double s2 = r2 * std::sin(theta2);
    Copie c{cx + s1, cy + r1 * std::cos(theta1), cx + s2, cy + r2 * std::cos(theta2)};
    copie(c);
    if (avec_miroir) {
      c.x1 = cx - s1;
      c.x2 = cx - s2;
      copie(c);
    }
    theta1 += pas;
    theta2 += pas;
    r1 *= f;
    r2 *= f;
    if (croissante && std::max(std::fabs(r1), std::fabs(r2)) > rayon_hors_limites) break;
  }
}

}  // namespace

void copies_symetriques(const ReglagesTrace& reglages, Point centre, Point a, Point b,
                        const std::function<void(const Copie&)>& copie) {
  const auto x = [](int v) { return static_cast<double>(v); };
  switch (reglages.symetrie) {
    case 4:  // unique
      copie({x(a.x), x(a.y), x(b.x), x(b.y)});
      break;
    case 2:  // miroir vertical
      copie({x(a.x), x(a.y), x(b.x), x(b.y)});
      copie({miroir(a.x, centre.x), x(a.y), miroir(b.x, centre.x), x(b.y)});
      break;
    case 3:  // 4 quarts
      copie({x(a.x), x(a.y), x(b.x), x(b.y)});
      copie({miroir(a.x, centre.x), x(a.y), miroir(b.x, centre.x), x(b.y)});
      copie({miroir(a.x, centre.x), miroir(a.y, centre.y), miroir(b.x, centre.x),
             miroir(b.y, centre.y)});
      copie({x(a.x), miroir(a.y, centre.y), x(b.x), miroir(b.y, centre.y)});
      break;
    case 0:  // rosace
    case 1:  // vitrail
      copies_polaires(reglages, centre, a, b, copie);
      break;
    default:
      break;
  }
}

std::int64_t nombre_copies(const ReglagesTrace& reglages) {
  switch (reglages.symetrie) {
    case 4: return 1;
    case 2: return 2;
    case 3: return 4;
    case 0:
    case 1: {
      const std::int64_t tours = reglages.spirale ? reglages.tours : 1;
      const bool avec_miroir = reglages.type_trace == 4 || reglages.symetrie == 1;
      return std::max<std::int64_t>(0, tours * reglages.nb_petales) * (avec_miroir ? 2 : 1);
    }
    default: return 0;
  }
}

}  // namespace orvane
