#include "journal/remplissage_echelle.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/colour4.h"

namespace orvane {

namespace {

// Marks no stored colour has (top byte set): seam pixels this fill took, until it ends.
constexpr Colour kMarque = 0xFF000000u;

// Whether a fill with these settings takes a pixel of colour c, for a Surface fill of `s`.
bool pris(const ZoneRemplissage& zone, Colour c, Colour s) {
  return zone.bordure ? c != zone.bord && c <= 0xFFFFFFu : c == s;
}

bool dans(const Rect& r, int x, int y) {
  return x >= r.left && y >= r.top && x < r.right && y < r.bottom;
}

std::array<Point, 4> voisins(Point p) {
  return {Point{p.x + 1, p.y}, Point{p.x - 1, p.y}, Point{p.x, p.y + 1}, Point{p.x, p.y - 1}};
}

// Paints the n pixels from p that a fill takes, four at a time: those of colour
// `reference` for a Surface fill, the others for a Border fill (whose `reference` is the
// border's colour).
template <bool kBordure>
void peindre_ligne(Colour* p, int n, Colour reference, Colour peinture) {
  const Colour4 reference4 = {reference, reference, reference, reference};
  const Colour4 peinture4 = {peinture, peinture, peinture, peinture};
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    Colour4& v = *reinterpret_cast<Colour4*>(p + i);
    const Colour4 egal = v == reference4;
    const Colour4 prises = kBordure ? ~egal : egal;
    v = (v & ~prises) | (peinture4 & prises);
  }
  for (; i < n; ++i)
    if ((p[i] == reference) != kBordure) p[i] = peinture;
}

// A Border fill also crossed pixels already of its paint, which it left as they were: they
// join the region, within the rectangle it painted.
void etendre_bordure(ZoneRemplissage& zone, const Rect& peint) {
  std::vector<Point> pile;
  const auto prendre = [&](Point q) {
    zone.cellules[zone.indice(q.x, q.y)] = ZoneRemplissage::kRegion;
    pile.push_back(q);
  };
  const auto libre = [&](Point q) {
    return dans(peint, q.x, q.y) && zone.cellule(q.x, q.y) == ZoneRemplissage::kHors &&
           pris(zone, zone.surfaces[zone.indice(q.x, q.y)], 0);
  };
  for (int y = peint.top; y < peint.bottom; ++y) {
    for (int x = peint.left; x < peint.right; ++x) {
      if (!libre({x, y})) continue;
      for (const Point v : voisins({x, y})) {
        if (zone.cellule(v.x, v.y) == ZoneRemplissage::kRegion) {
          prendre({x, y});
          break;
        }
      }
    }
  }
  while (!pile.empty()) {
    const Point p = pile.back();
    pile.pop_back();
    for (const Point v : voisins(p))
      if (libre(v)) prendre(v);
  }
}

}  // namespace

bool est_remplissage(const Entree& entree) {
  const auto* trait = std::get_if<EntreeTrait>(&entree);
  return trait && (trait->reglages.peindre_dessiner == 1 || trait->reglages.peindre_dessiner == 2);
}

void zone_remplie(const EntreeTrait& trait, const Bitmap& avant, const Bitmap& apres,
                  const Rect& change, ZoneRemplissage& zone) {
  zone.bordure = trait.reglages.peindre_dessiner == 2;
  zone.bord = trait.couleur_crayon;
  zone.peinture = trait.couleur_peinture & 0xFFFFFFu;
  zone.region.clear();
  zone.coutures.clear();
  const Rect peint = change.intersected(avant.bounds());
  if (peint.empty()) {
    zone.cadre = {};
    zone.cellules.clear();
    return;
  }
  zone.cadre = Rect{peint.left - 1, peint.top - 1, peint.right + 1, peint.bottom + 1}
                   .intersected(avant.bounds());
  const Rect& cadre = zone.cadre;
  const int largeur = cadre.width();
  const std::size_t n = static_cast<std::size_t>(largeur) * cadre.height();
  zone.cellules.assign(n, ZoneRemplissage::kHors);
  zone.surfaces.resize(n);
  for (int y = cadre.top; y < cadre.bottom; ++y)
    std::copy_n(avant.row(y) + cadre.left, largeur,
                zone.surfaces.data() + zone.indice(cadre.left, y));
  for (int y = peint.top; y < peint.bottom; ++y) {
    const Colour* a = avant.row(y);
    const Colour* b = apres.row(y);
    std::uint8_t* c = zone.cellules.data() + zone.indice(cadre.left, y);
    for (int x = peint.left; x < peint.right; ++x)
      c[x - cadre.left] = a[x] != b[x] ? ZoneRemplissage::kRegion : ZoneRemplissage::kHors;
  }
  if (zone.bordure) etendre_bordure(zone, peint);

  // The region in runs of one colour taken.
  for (int y = peint.top; y < peint.bottom; ++y) {
    const std::uint8_t* c = zone.cellules.data() + zone.indice(cadre.left, y);
    const Colour* s = zone.surfaces.data() + zone.indice(cadre.left, y);
    int x = 0;
    while (x < largeur) {
      const void* trouve = std::memchr(c + x, ZoneRemplissage::kRegion, largeur - x);
      if (trouve == nullptr) break;
      x = static_cast<int>(static_cast<const std::uint8_t*>(trouve) - c);
      int fin = x + 1;
      while (fin < largeur && c[fin] == ZoneRemplissage::kRegion && s[fin] == s[x]) ++fin;
      zone.region.push_back({y, cadre.left + x, cadre.left + fin, s[x]});
      x = fin;
    }
  }
  // The seam, row by row: what the runs of the row and of the rows beside stopped at.
  std::size_t premier = 0;  // the first run of the row above
  for (int y = cadre.top; y < cadre.bottom; ++y) {
    while (premier < zone.region.size() && zone.region[premier].y < y - 1) ++premier;
    for (std::size_t r = premier; r < zone.region.size() && zone.region[r].y <= y + 1; ++r) {
      const ZoneRemplissage::Troncon& t = zone.region[r];
      for (int x = std::max(t.gauche - 1, cadre.left);
           x <= std::min(t.droite, cadre.right - 1); ++x) {
        const std::size_t i = zone.indice(x, y);
        if (zone.cellules[i] != ZoneRemplissage::kHors ||
            pris(zone, zone.surfaces[i], t.surface))
          continue;
        zone.cellules[i] = ZoneRemplissage::kCouture;
        zone.surfaces[i] = t.surface;
        zone.coutures.push_back({x, y});
      }
    }
  }
}

Rect remplir_a_l_echelle(Bitmap& image, int k, const ZoneRemplissage& zone, Veille* veille) {
  if (zone.region.empty()) return {};
  // The seams: from the region's blocks into the blocks around, as a flood that marks what
  // it takes and reads only the seams' blocks. Each pixel taken goes with its block.
  struct Prise {
    Point pixel, bloc;
  };
  std::vector<Prise> prises;
  const auto prendre_couture = [&](Point p, Point bloc) {
    if (!image.contains(p.x, p.y)) return;
    // Along the block's sides only, the pixel lies in the block beside.
    if (p.x < bloc.x * k) --bloc.x;
    else if (p.x >= bloc.x * k + k) ++bloc.x;
    if (p.y < bloc.y * k) --bloc.y;
    else if (p.y >= bloc.y * k + k) ++bloc.y;
    if (zone.cellule(bloc.x, bloc.y) != ZoneRemplissage::kCouture) return;
    Colour& c = image.row(p.y)[p.x];
    if (!pris(zone, c, zone.surfaces[zone.indice(bloc.x, bloc.y)])) return;
    c = kMarque;
    prises.push_back({p, bloc});
  };
  // Nothing inside a seam's block is taken yet: the flood enters it across its sides, from
  // pixels taken in the block beside, which for a region's block must not be painted yet.
  const auto entrer = [&](Point c) {
    const int x0 = c.x * k, y0 = c.y * k;
    const Colour surface_couture = zone.surfaces[zone.indice(c.x, c.y)];
    for (const Point d : voisins({0, 0})) {
      const std::uint8_t cote = zone.cellule(c.x + d.x, c.y + d.y);
      if (cote == ZoneRemplissage::kHors) continue;
      const Colour s = cote == ZoneRemplissage::kRegion
                           ? zone.surfaces[zone.indice(c.x + d.x, c.y + d.y)]
                           : 0;
      // The side's first pixel inside, and the step along it.
      const Point dedans{d.x > 0 ? x0 + k - 1 : x0, d.y > 0 ? y0 + k - 1 : y0};
      const Point pas{d.x == 0 ? 1 : 0, d.y == 0 ? 1 : 0};
      for (int i = 0; i < k; ++i) {
        const Point p{dedans.x + i * pas.x, dedans.y + i * pas.y};
        const Point dehors{p.x + d.x, p.y + d.y};
        if (!image.contains(p.x, p.y) || !image.contains(dehors.x, dehors.y)) continue;
        Colour& pixel = image.row(p.y)[p.x];
        if (!pris(zone, pixel, surface_couture)) continue;
        const Colour v = image.row(dehors.y)[dehors.x];
        if (cote == ZoneRemplissage::kRegion ? pris(zone, v, s) : v == kMarque) {
          pixel = kMarque;
          prises.push_back({p, c});
        }
      }
    }
    veiller_pixels(veille, std::int64_t{4} * k);
  };

  // The region's blocks: whatever the fill takes there, joined or not at scale K.
  const std::int64_t w = image.width(), h = image.height();
  const Colour peinture = zone.peinture;
  const auto peindre = [&](const ZoneRemplissage::Troncon& t) {
    const int x0 = static_cast<int>(std::min<std::int64_t>(std::int64_t{t.gauche} * k, w));
    const int x1 = static_cast<int>(std::min<std::int64_t>(std::int64_t{t.droite} * k, w));
    const int y0 = static_cast<int>(std::min<std::int64_t>(std::int64_t{t.y} * k, h));
    const int y1 = static_cast<int>(std::min<std::int64_t>(std::int64_t{t.y} * k + k, h));
    for (int y = y0; y < y1; ++y) {
      if (zone.bordure) {
        peindre_ligne<true>(image.row(y) + x0, x1 - x0, zone.bord, peinture);
      } else {
        peindre_ligne<false>(image.row(y) + x0, x1 - x0, t.surface, peinture);
      }
      veiller_pixels(veille, x1 - x0);
    }
  };

  // Row by row, so that the picture is gone over once: a region's row is painted as soon
  // as the seams of the row below have been entered from it.
  const Rect& cadre = zone.cadre;
  std::size_t couture = 0, troncon = 0, inondee = 0;
  for (int y = cadre.top; y <= cadre.bottom; ++y) {
    for (; couture < zone.coutures.size() && zone.coutures[couture].y <= y; ++couture)
      entrer(zone.coutures[couture]);
    for (; inondee < prises.size(); ++inondee) {
      const Prise prise = prises[inondee];
      for (const Point v : voisins(prise.pixel)) prendre_couture(v, prise.bloc);
    }
    for (; troncon < zone.region.size() && zone.region[troncon].y < y; ++troncon)
      peindre(zone.region[troncon]);
  }
  for (const Prise& p : prises) image.row(p.pixel.y)[p.pixel.x] = peinture;
  return Rect{cadre.left * k, cadre.top * k, cadre.right * k, cadre.bottom * k}.intersected(
      image.bounds());
}

}  // namespace orvane
