#include "journal/remplissage_echelle.h"

#include <algorithm>
#include <array>

namespace orvane {

namespace {

// Marks no stored colour has (top byte set): pixels this fill took, until it ends.
constexpr Colour kMarque = 0xFF000000u;

// Whether a fill with these settings takes a pixel of colour c, for a Surface fill of `s`.
bool pris(const ZoneRemplissage& zone, Colour c, Colour s) {
  return zone.bordure ? c != zone.bord && c <= 0xFFFFFFu : c == s;
}

bool dans(const Rect& r, int x, int y) {
  return x >= r.left && y >= r.top && x < r.right && y < r.bottom;
}

}  // namespace

bool est_remplissage(const Entree& entree) {
  const auto* trait = std::get_if<EntreeTrait>(&entree);
  return trait && (trait->reglages.peindre_dessiner == 1 || trait->reglages.peindre_dessiner == 2);
}

ZoneRemplissage zone_remplie(const EntreeTrait& trait, const Bitmap& avant,
                             const Bitmap& apres, const Rect& change) {
  ZoneRemplissage zone;
  zone.bordure = trait.reglages.peindre_dessiner == 2;
  zone.bord = trait.couleur_crayon;
  zone.peinture = trait.couleur_peinture & 0xFFFFFFu;
  const Rect peint = change.intersected(avant.bounds());
  if (peint.empty()) return zone;
  zone.cadre = Rect{peint.left - 1, peint.top - 1, peint.right + 1, peint.bottom + 1}
                   .intersected(avant.bounds());
  const std::size_t n = static_cast<std::size_t>(zone.cadre.width()) * zone.cadre.height();
  zone.cellules.assign(n, ZoneRemplissage::kHors);
  zone.surfaces.assign(n, 0);

  std::vector<Point>& region = zone.region;
  for (int y = peint.top; y < peint.bottom; ++y) {
    for (int x = peint.left; x < peint.right; ++x) {
      if (avant.pixel(x, y) == apres.pixel(x, y)) continue;
      const std::size_t i = zone.indice(x, y);
      zone.cellules[i] = ZoneRemplissage::kRegion;
      zone.surfaces[i] = avant.pixel(x, y);
      region.push_back({x, y});
    }
  }
  // A Border fill also crossed pixels already of its paint, which it left as they were.
  if (zone.bordure) {
    for (std::size_t suivant = 0; suivant < region.size(); ++suivant) {
      const Point p = region[suivant];
      for (const Point q : {Point{p.x + 1, p.y}, Point{p.x - 1, p.y}, Point{p.x, p.y + 1},
                            Point{p.x, p.y - 1}}) {
        if (!dans(peint, q.x, q.y) || zone.cellule(q.x, q.y) != ZoneRemplissage::kHors ||
            !pris(zone, avant.pixel(q.x, q.y), 0))
          continue;
        zone.cellules[zone.indice(q.x, q.y)] = ZoneRemplissage::kRegion;
        region.push_back(q);
      }
    }
  }
  const int largeur = zone.cadre.width();
  for (const Point p : region) {
    const std::size_t i = zone.indice(p.x, p.y);
    const bool interieur = p.x > zone.cadre.left && p.x + 1 < zone.cadre.right &&
                           p.y > zone.cadre.top && p.y + 1 < zone.cadre.bottom;
    // Most region pixels lie among others: nothing to look at around them.
    if (interieur && zone.cellules[i - 1] && zone.cellules[i + 1] &&
        zone.cellules[i - largeur] && zone.cellules[i + largeur] &&
        zone.cellules[i - largeur - 1] && zone.cellules[i - largeur + 1] &&
        zone.cellules[i + largeur - 1] && zone.cellules[i + largeur + 1])
      continue;
    const Colour s = zone.surfaces[i];
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int x = p.x + dx, y = p.y + dy;
        if (!dans(zone.cadre, x, y) || zone.cellule(x, y) != ZoneRemplissage::kHors ||
            pris(zone, avant.pixel(x, y), s))
          continue;
        zone.cellules[zone.indice(x, y)] = ZoneRemplissage::kCouture;
        zone.surfaces[zone.indice(x, y)] = s;
        zone.coutures.push_back({x, y});
      }
    }
  }
  return zone;
}

void remplir_a_l_echelle(Bitmap& image, int k, const ZoneRemplissage& zone) {
  const auto voisins = [](Point p) {
    return std::array<Point, 4>{Point{p.x + 1, p.y}, Point{p.x - 1, p.y}, Point{p.x, p.y + 1},
                                Point{p.x, p.y - 1}};
  };

  // The region's blocks: whatever the fill takes there, joined or not at scale K.
  const auto lignes = [&](const std::vector<Point>& cellules, auto&& f) {
    for (const Point c : cellules) {
      const Colour s = zone.surfaces[zone.indice(c.x, c.y)];
      const Rect bloc =
          Rect{c.x * k, c.y * k, c.x * k + k, c.y * k + k}.intersected(image.bounds());
      for (int y = bloc.top; y < bloc.bottom; ++y)
        f(image.row(y) + bloc.left, image.row(y) + bloc.right, s);
    }
  };
  lignes(zone.region, [&](Colour* debut, Colour* fin, Colour s) {
    for (Colour* c = debut; c != fin; ++c)
      if (pris(zone, *c, s)) *c = kMarque;
  });
  // The seams: from the region's blocks into the blocks around, as a flood.
  std::vector<Point> pile;
  const auto prendre_couture = [&](Point p) {
    if (!image.contains(p.x, p.y) ||
        zone.cellule(p.x / k, p.y / k) != ZoneRemplissage::kCouture)
      return;
    Colour& c = image.row(p.y)[p.x];
    if (!pris(zone, c, zone.surfaces[zone.indice(p.x / k, p.y / k)])) return;
    c = kMarque;
    pile.push_back(p);
  };
  // Nothing inside a seam's block is taken yet: the flood enters it across its sides.
  for (const Point c : zone.coutures) {
    const int x0 = c.x * k, y0 = c.y * k;
    for (int i = 0; i < k; ++i) {
      const Point cotes[4][2] = {{{x0 + i, y0}, {x0 + i, y0 - 1}},
                                 {{x0 + i, y0 + k - 1}, {x0 + i, y0 + k}},
                                 {{x0, y0 + i}, {x0 - 1, y0 + i}},
                                 {{x0 + k - 1, y0 + i}, {x0 + k, y0 + i}}};
      for (const auto& [p, dehors] : cotes)
        if (image.pixel(dehors.x, dehors.y) == kMarque) prendre_couture(p);
    }
  }
  while (!pile.empty()) {
    const Point p = pile.back();
    pile.pop_back();
    for (const Point v : voisins(p)) prendre_couture(v);
  }

  const auto peindre = [&](Colour* debut, Colour* fin, Colour) {
    std::replace(debut, fin, kMarque, zone.peinture);
  };
  lignes(zone.region, peindre);
  lignes(zone.coutures, peindre);
}

}  // namespace orvane
