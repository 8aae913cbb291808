#include "journal/remplissage_echelle.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

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
  zone.cellules.resize(n);
  zone.surfaces.resize(n);
  for (int y = cadre.top; y < cadre.bottom; ++y) {
    std::copy_n(avant.row(y) + cadre.left, largeur,
                zone.surfaces.data() + zone.indice(cadre.left, y));
    std::uint8_t* c = zone.cellules.data() + zone.indice(cadre.left, y);
    std::fill_n(c, largeur, ZoneRemplissage::kHors);
    if (y < peint.top || y >= peint.bottom) continue;
    const Colour* a = avant.row(y);
    const Colour* p = apres.row(y);
    for (int x = peint.left; x < peint.right; ++x)
      c[x - cadre.left] = a[x] != p[x] ? ZoneRemplissage::kRegion : ZoneRemplissage::kHors;
  }
  if (zone.bordure) etendre_bordure(zone, peint);

  // The region in runs of one colour taken, row by row.
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

  // The seam, row by row: what the runs of the row and of the rows beside stopped at. A
  // row's seam is written on that row only, so the seam comes out in rows too.
  auto premier = zone.region.begin();  // the first run of the row above
  for (int y = cadre.top; y < cadre.bottom; ++y) {
    while (premier != zone.region.end() && premier->y < y - 1) ++premier;
    for (auto r = premier; r != zone.region.end() && r->y <= y + 1; ++r) {
      const ZoneRemplissage::Troncon& t = *r;
      for (int x = std::max(t.gauche - 1, cadre.left); x <= std::min(t.droite, cadre.right - 1);
           ++x) {
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

void PourChaqueBande::operator()(const std::function<void(int bande)>& tache) const {
  if (lancer) {
    lancer(tache);
  } else {
    for (int b = 0; b < bandes; ++b) tache(b);
  }
}

namespace {

// A seam's flood over the scale-K picture, kept to the pixel rows from `haut` to `bas`
// excluded: a step out of them is left in `bord`, for a flood that crosses rows later.
class Inondation {
 public:
  Inondation(Bitmap& image, int k, const ZoneRemplissage& zone, int haut, int bas,
             std::vector<PriseCouture>& prises, std::vector<PriseCouture>* bord)
      : image_(image), k_(k), zone_(zone), haut_(haut), bas_(bas), prises_(prises),
        bord_(bord) {}

  // Pixel p, from a pixel taken in block `bloc`, joins the seam it lies in.
  void prendre(Point p, Point bloc) {
    if (!image_.contains(p.x, p.y)) return;
    if (p.y < haut_ || p.y >= bas_) {
      bord_->push_back({p, bloc});
      return;
    }
    // Along the block's sides only, the pixel lies in the block beside.
    if (p.x < bloc.x * k_) --bloc.x;
    else if (p.x >= bloc.x * k_ + k_) ++bloc.x;
    if (p.y < bloc.y * k_) --bloc.y;
    else if (p.y >= bloc.y * k_ + k_) ++bloc.y;
    if (zone_.cellule(bloc.x, bloc.y) != ZoneRemplissage::kCouture) return;
    Colour& c = image_.row(p.y)[p.x];
    if (!pris(zone_, c, zone_.surfaces[zone_.indice(bloc.x, bloc.y)])) return;
    c = kMarque;
    prises_.push_back({p, bloc});
  }

  // Nothing inside a seam's block is taken yet: the flood enters it across its sides from
  // a region's block, not painted yet. (From a seam beside, the flood of that seam takes
  // what entering would.) Reads pixels of the blocks beside, never writes them.
  void entrer(Point c, Veille* veille) {
    const int x0 = c.x * k_, y0 = c.y * k_;
    const Colour surface_couture = zone_.surfaces[zone_.indice(c.x, c.y)];
    for (const Point d : voisins({0, 0})) {
      if (zone_.cellule(c.x + d.x, c.y + d.y) != ZoneRemplissage::kRegion) continue;
      const Colour s = zone_.surfaces[zone_.indice(c.x + d.x, c.y + d.y)];
      // The side's first pixel inside, and the step along it.
      const Point dedans{d.x > 0 ? x0 + k_ - 1 : x0, d.y > 0 ? y0 + k_ - 1 : y0};
      const Point pas{d.x == 0 ? 1 : 0, d.y == 0 ? 1 : 0};
      for (int i = 0; i < k_; ++i) {
        const Point p{dedans.x + i * pas.x, dedans.y + i * pas.y};
        const Point dehors{p.x + d.x, p.y + d.y};
        if (!image_.contains(p.x, p.y) || !image_.contains(dehors.x, dehors.y)) continue;
        Colour& pixel = image_.row(p.y)[p.x];
        if (!pris(zone_, pixel, surface_couture)) continue;
        if (pris(zone_, image_.row(dehors.y)[dehors.x], s)) {
          pixel = kMarque;
          prises_.push_back({p, c});
        }
      }
    }
    veiller_pixels(veille, std::int64_t{4} * k_);
  }

  // Floods from the pixels taken since the last call.
  void etendre() {
    for (; suivie_ < prises_.size(); ++suivie_) {
      const PriseCouture prise = prises_[suivie_];
      for (const Point v : voisins(prise.pixel)) prendre(v, prise.bloc);
    }
  }

 private:
  Bitmap& image_;
  int k_;
  const ZoneRemplissage& zone_;
  int haut_, bas_;
  std::vector<PriseCouture>& prises_;
  std::vector<PriseCouture>* bord_;
  std::size_t suivie_ = 0;
};

}  // namespace

void inonder_coutures(Bitmap& image, int k, const ZoneRemplissage& zone, int haut, int bas,
                      std::vector<PriseCouture>& prises, std::vector<PriseCouture>& bord,
                      Veille* veille) {
  prises.clear();
  bord.clear();
  if (zone.region.empty()) return;
  Inondation inondation(image, k, zone, static_cast<int>(std::int64_t{haut} * k),
                        static_cast<int>(std::min<std::int64_t>(std::int64_t{bas} * k,
                                                                image.height())),
                        prises, &bord);
  // What the flood takes depends only on the seams' pixels, not on the order it goes in.
  auto c = std::lower_bound(zone.coutures.begin(), zone.coutures.end(), haut,
                            [](Point p, int y) { return p.y < y; });
  for (; c != zone.coutures.end() && c->y < bas; ++c) {
    inondation.entrer(*c, veille);
    inondation.etendre();
  }
}

void inonder_bords(Bitmap& image, int k, const ZoneRemplissage& zone,
                   std::span<const PriseCouture> bord, std::vector<PriseCouture>& prises) {
  prises.clear();
  Inondation inondation(image, k, zone, 0, image.height(), prises, nullptr);
  for (const PriseCouture& prise : bord) inondation.prendre(prise.pixel, prise.bloc);
  inondation.etendre();
}

void peindre_region(Bitmap& image, int k, const ZoneRemplissage& zone, int haut, int bas,
                    Veille* veille) {
  if (zone.region.empty()) return;
  // Whatever the fill takes in the region's blocks, joined or not at scale K.
  const std::int64_t w = image.width();
  haut = std::max(haut, 0);
  bas = std::min(bas, image.height());
  const Colour peinture = zone.peinture;
  // The runs are in rows, top to bottom: the first whose blocks reach row `haut`.
  auto t = std::lower_bound(
      zone.region.begin(), zone.region.end(), haut / k,
      [](const ZoneRemplissage::Troncon& r, int y) { return r.y < y; });
  for (; t != zone.region.end() && std::int64_t{t->y} * k < bas; ++t) {
    const int x0 = static_cast<int>(std::min<std::int64_t>(std::int64_t{t->gauche} * k, w));
    const int x1 = static_cast<int>(std::min<std::int64_t>(std::int64_t{t->droite} * k, w));
    const int y0 = static_cast<int>(std::max<std::int64_t>(std::int64_t{t->y} * k, haut));
    const int y1 = static_cast<int>(std::min<std::int64_t>(std::int64_t{t->y} * k + k, bas));
    for (int y = y0; y < y1; ++y) {
      if (zone.bordure) {
        peindre_ligne<true>(image.row(y) + x0, x1 - x0, zone.bord, peinture);
      } else {
        peindre_ligne<false>(image.row(y) + x0, x1 - x0, t->surface, peinture);
      }
      veiller_pixels(veille, x1 - x0);
    }
  }
}

void peindre_coutures(Bitmap& image, const ZoneRemplissage& zone,
                      std::span<const PriseCouture> prises) {
  for (const PriseCouture& p : prises) image.row(p.pixel.y)[p.pixel.x] = zone.peinture;
}

Rect remplir_a_l_echelle(Bitmap& image, int k, const ZoneRemplissage& zone, Veille* veille) {
  if (zone.region.empty()) return {};
  std::vector<PriseCouture> prises, bord;
  const Rect& cadre = zone.cadre;
  inonder_coutures(image, k, zone, cadre.top, cadre.bottom, prises, bord, veille);
  peindre_region(image, k, zone, 0, image.height(), veille);
  peindre_coutures(image, zone, prises);
  return Rect{cadre.left * k, cadre.top * k, cadre.right * k, cadre.bottom * k}.intersected(
      image.bounds());
}

}  // namespace orvane
