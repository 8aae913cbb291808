#pragma once

#include <cstdint>
#include <vector>

#include "journal/entrees.h"
#include "platform/bitmap.h"

namespace orvane {

// A fill drawn again at scale K fills what it filled at scale 1, block by block. A plain
// flood at scale K would leak through gaps that the sharper scale-K borders leave where
// scale 1 had none (thin shaded spokes, diagonal lines touching at a corner), so the fill
// keeps to the region it reached at scale 1, told by a mask any part of the picture can
// read on its own.

// What one stroke's fills did at scale 1.
struct ZoneRemplissage {
  enum Cellule : std::uint8_t {
    kHors = 0,
    // The fill reached this pixel: its block is filled wherever the scale-K figure has
    // the colour the fill took.
    kRegion = 1,
    // A pixel the fill stopped at, beside the region (its 8 neighbours): its block is
    // filled only where reached from the region's blocks, for the seam that the scale-K
    // border leaves there. Never a pixel the fill could have entered at scale 1: across a
    // corner that pixel belongs to another region.
    kCouture = 2,
  };

  Rect cadre;                       // scale-1 pixels the cells below describe
  std::vector<std::uint8_t> cellules;  // one per pixel of `cadre`, rows top to bottom
  // Per pixel of `cadre`: the colour a Surface fill took there at scale 1 (for a seam
  // pixel, that of a region pixel beside it).
  std::vector<Colour> surfaces;
  // The same pixels listed, so that a fill's cost follows its size, not its frame's.
  std::vector<Point> region;
  std::vector<Point> coutures;
  bool bordure = false;  // a Border fill, which takes everything but `bord`
  Colour bord = 0;
  Colour peinture = 0;

  std::size_t indice(int x, int y) const {
    return static_cast<std::size_t>(y - cadre.top) * cadre.width() + (x - cadre.left);
  }
  // kHors outside `cadre`.
  std::uint8_t cellule(int x, int y) const {
    if (x < cadre.left || y < cadre.top || x >= cadre.right || y >= cadre.bottom) return kHors;
    return cellules[indice(x, y)];
  }
};

// Whether the entry is a stroke of fills.
bool est_remplissage(const Entree& entree);

// The zone of a stroke of fills (`trait`), from the scale-1 canvas before and after it,
// `change` holding every pixel it painted.
ZoneRemplissage zone_remplie(const EntreeTrait& trait, const Bitmap& avant,
                             const Bitmap& apres, const Rect& change);

// Paints the zone at scale `k` on `image`, the scale-K picture drawn up to the stroke.
void remplir_a_l_echelle(Bitmap& image, int k, const ZoneRemplissage& zone);

}  // namespace orvane
