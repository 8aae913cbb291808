#pragma once

// How far a picture re-drawn at scale K is from the canvas: the measures the poster tests
// share.
#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

#include "journal/journal.h"
#include "journal/redessin.h"
#include "journal/remplissage_echelle.h"
#include "platform/bitmap.h"

namespace orvane::fidelite {

// The commonest colour of each k x k block (the first met among equals).
inline Bitmap reduite(const Bitmap& grande, int k) {
  Bitmap r(grande.width() / k, grande.height() / k);
  std::vector<std::pair<Colour, int>> comptes;
  for (int y = 0; y < r.height(); ++y) {
    for (int x = 0; x < r.width(); ++x) {
      comptes.clear();
      for (int j = 0; j < k; ++j) {
        const Colour* ligne = grande.row(y * k + j) + x * k;
        for (int i = 0; i < k; ++i) {
          std::size_t n = 0;
          while (n < comptes.size() && comptes[n].first != ligne[i]) ++n;
          if (n == comptes.size()) comptes.push_back({ligne[i], 0});
          ++comptes[n].second;
        }
      }
      std::pair<Colour, int> meilleure = comptes[0];
      for (const auto& c : comptes)
        if (c.second > meilleure.second) meilleure = c;
      r.setPixel(x, y, meilleure.first);
    }
  }
  return r;
}

inline bool loin(Colour a, Colour b) {
  for (int decalage : {0, 8, 16}) {
    const int ca = static_cast<int>((a >> decalage) & 0xFF);
    const int cb = static_cast<int>((b >> decalage) & 0xFF);
    if (std::abs(ca - cb) >= 64) return true;
  }
  return false;
}

// The pixels of `petite` far from `toile`'s (a channel off by 64 or more) whose four
// neighbours in the picture are far too: whole regions in another colour, not an edge.
inline std::vector<Point> ecarts(const Bitmap& toile, const Bitmap& petite) {
  const auto ecart = [&](int x, int y) {
    return !toile.contains(x, y) || loin(toile.pixel(x, y), petite.pixel(x, y));
  };
  std::vector<Point> r;
  for (int y = 0; y < toile.height(); ++y)
    for (int x = 0; x < toile.width(); ++x)
      if (ecart(x, y) && ecart(x + 1, y) && ecart(x - 1, y) && ecart(x, y + 1) &&
          ecart(x, y - 1))
        r.push_back({x, y});
  return r;
}

// The journal drawn at scale 1 entry by entry: which pixels a stroke of fills painted last
// (and no later entry changed).
inline std::vector<bool> peints_par_remplissage(const Journal& journal) {
  Redessin r(1);
  std::vector<bool> peints;
  Bitmap avant;
  for (const Entree& e : journal.entrees()) {
    r.appliquer(e);
    const Bitmap& apres = r.toile().bitmap();
    if (std::holds_alternative<EntreeToile>(e)) {
      peints.assign(static_cast<std::size_t>(apres.width()) * apres.height(), false);
    } else {
      const bool remplissage = est_remplissage(e);
      for (int y = 0; y < apres.height(); ++y)
        for (int x = 0; x < apres.width(); ++x)
          if (avant.pixel(x, y) != apres.pixel(x, y))
            peints[static_cast<std::size_t>(y) * apres.width() + x] = remplissage;
    }
    avant = apres;
  }
  return peints;
}

// A region a fill left unfilled at scale k: the fill's entry, and a pixel of the region.
struct RegionManquee {
  std::size_t entree;
  Point pixel;
};

// The journal drawn entry by entry at scales 1 and k: after each stroke of fills, every
// region it painted at scale 1 (4-connected pixels it changed) holds its paint somewhere in
// its blocks at scale k, however small. Returns those that hold none.
inline std::vector<RegionManquee> regions_manquees(const Journal& journal, int k) {
  Redessin petit(1), grand(k);
  std::vector<RegionManquee> manquees;
  Bitmap avant;
  for (std::size_t n = 0; n < journal.taille(); ++n) {
    const Entree& e = journal.entrees()[n];
    petit.appliquer(e);
    grand.appliquer(e);
    const Bitmap& apres = petit.toile().bitmap();
    if (est_remplissage(e)) {
      const Bitmap& grande = grand.toile().bitmap();
      const Colour peinture = std::get<EntreeTrait>(e).couleur_peinture & 0xFFFFFFu;
      const auto change = [&](int x, int y) {
        return apres.contains(x, y) && avant.pixel(x, y) != apres.pixel(x, y);
      };
      std::vector<bool> vus(static_cast<std::size_t>(apres.width()) * apres.height(), false);
      const auto vu = [&](int x, int y) {
        return vus[static_cast<std::size_t>(y) * apres.width() + x];
      };
      for (int y0 = 0; y0 < apres.height(); ++y0) {
        for (int x0 = 0; x0 < apres.width(); ++x0) {
          if (!change(x0, y0) || vu(x0, y0)) continue;
          bool trouvee = false;
          std::vector<Point> pile{{x0, y0}};
          vu(x0, y0) = true;
          while (!pile.empty()) {
            const Point p = pile.back();
            pile.pop_back();
            for (int j = 0; j < k && !trouvee; ++j)
              for (int i = 0; i < k && !trouvee; ++i)
                trouvee = grande.pixel(p.x * k + i, p.y * k + j) == peinture;
            for (const Point v : {Point{p.x + 1, p.y}, Point{p.x - 1, p.y},
                                  Point{p.x, p.y + 1}, Point{p.x, p.y - 1}}) {
              if (!change(v.x, v.y) || vu(v.x, v.y)) continue;
              vu(v.x, v.y) = true;
              pile.push_back(v);
            }
          }
          if (!trouvee) manquees.push_back({n, {x0, y0}});
        }
      }
    }
    avant = apres;
  }
  return manquees;
}

}  // namespace orvane::fidelite
