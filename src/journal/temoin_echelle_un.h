#pragma once

#include "journal/entrees.h"
#include "journal/redessin.h"
#include "journal/remplissage_echelle.h"
#include "platform/bitmap.h"
#include "platform/veille.h"

namespace orvane {

// Beside a re-drawing at scale K, the same entries drawn at scale 1, which tells each stroke
// of fills the region it filled there.
class TemoinEchelleUn {
 public:
  // Draws an entry that is not a stroke of fills at scale 1, unwatched: the scale-K
  // drawing of the same entry reports its progress.
  void suivre(const Entree& entree);
  // A stroke of fills, one step that reads and writes the whole picture: draws it at scale
  // 1, then paints at scale `k` on `image` what it filled there. Reports its parts and
  // pixels to the watch, the scale-K drawing drawing nothing of it. Returns the scale-K
  // rectangle it may have changed.
  Rect remplir(const EntreeTrait& trait, Bitmap& image, int k);
  // The same stroke drawn at scale 1 only: what it filled there, in `zone`, for a caller
  // that paints it at scale K in parts.
  void zone(const EntreeTrait& trait, ZoneRemplissage& zone);
  Veille* veille() const { return veille_; }
  void surveiller(Veille* veille) { veille_ = veille; }

 private:
  Redessin redessin_{1};
  Veille* veille_ = nullptr;
  // The canvas as the last fill left it, but for the rectangle changed since.
  Bitmap avant_;
  Rect a_recopier_;
  ZoneRemplissage zone_;  // its buffers kept from one fill to the next
};

}  // namespace orvane
