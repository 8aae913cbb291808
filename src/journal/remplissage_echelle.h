#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "journal/entrees.h"
#include "platform/bitmap.h"
#include "platform/veille.h"

namespace orvane {

// A fill drawn again at scale K fills what it filled at scale 1, block by block. A plain
// flood at scale K would leak through gaps that the sharper scale-K borders leave where
// scale 1 had none (thin shaded spokes, diagonal lines touching at a corner), so the fill
// keeps to the region it reached at scale 1, told by a mask any part of the picture can
// read on its own.

// What one stroke's fills did at scale 1. Its buffers are kept from one fill to the next.
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

  // Region pixels of one row that took the same colour, from `gauche` to `droite` excluded.
  struct Troncon {
    int y, gauche, droite;
    Colour surface;
  };

  Rect cadre;                          // scale-1 pixels the cells below describe
  std::vector<std::uint8_t> cellules;  // one per pixel of `cadre`, rows top to bottom
  // Per pixel of `cadre`: the colour a region pixel had before the fill, the colour of a
  // seam pixel's region beside it; anything elsewhere.
  std::vector<Colour> surfaces;
  // The region in runs and the seam in pixels, so that a fill's cost follows its size,
  // not its frame's.
  std::vector<Troncon> region;
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

// Bands of rows a step is shared out in, and how they run.
struct PourChaqueBande {
  int bandes = 1;
  // Runs a task for every band, maybe at once, and returns when all are done; when empty,
  // they run in turn on the caller's thread.
  std::function<void(const std::function<void(int bande)>&)> lancer;

  void operator()(const std::function<void(int bande)>& tache) const;
};

// Makes `zone` the zone of a stroke of fills (`trait`), from the scale-1 canvas before and
// after it, `change` holding every pixel it painted.
void zone_remplie(const EntreeTrait& trait, const Bitmap& avant, const Bitmap& apres,
                  const Rect& change, ZoneRemplissage& zone);

// Paints the zone at scale `k` on `image`, the scale-K picture drawn up to the stroke, and
// tells `veille` of the pixels it goes over. Returns the scale-K rectangle it may have
// changed. The three steps it takes follow, for a fill shared out in bands of rows.
Rect remplir_a_l_echelle(Bitmap& image, int k, const ZoneRemplissage& zone,
                         Veille* veille = nullptr);

// A seam's pixel the fill takes, and the scale-1 block it was reached from.
struct PriseCouture {
  Point pixel, bloc;
};

// First: marks the pixels the fill takes in the seams of the scale-1 rows from `haut` to
// `bas` excluded, reached from the region's blocks through those rows only; `prises` gets
// them, `bord` the steps left at the rows' edges. Reads the region's blocks, which must not
// be painted yet, and writes only its rows: bands of rows may be flooded at once.
void inonder_coutures(Bitmap& image, int k, const ZoneRemplissage& zone, int haut, int bas,
                      std::vector<PriseCouture>& prises, std::vector<PriseCouture>& bord,
                      Veille* veille = nullptr);
// Then, alone: the flood goes on across the bands' edges from the steps left there.
void inonder_bords(Bitmap& image, int k, const ZoneRemplissage& zone,
                   std::span<const PriseCouture> bord, std::vector<PriseCouture>& prises);
// Then the region's blocks on the scale-K rows from `haut` to `bas` excluded: bands of rows
// may be painted at once.
void peindre_region(Bitmap& image, int k, const ZoneRemplissage& zone, int haut, int bas,
                    Veille* veille = nullptr);
// Last: paints the marked seams.
void peindre_coutures(Bitmap& image, const ZoneRemplissage& zone,
                      std::span<const PriseCouture> prises);

}  // namespace orvane
