#pragma once

#include <optional>

#include "journal/entrees.h"
#include "journal/redessin.h"
#include "journal/remplissage_echelle.h"
#include "platform/bitmap.h"

namespace orvane {

// Beside a re-drawing at scale K, the same entries drawn at scale 1, which tells each stroke
// of fills the region it filled there.
class TemoinEchelleUn {
 public:
  // Draws the entry at scale 1. For a stroke of fills, also paints at scale `k` on `image`
  // what it filled at scale 1 and returns true: the entry is then drawn at scale K.
  bool appliquer(const Entree& entree, Bitmap& image, int k);
  // Draws the entry at scale 1; for a stroke of fills, returns what it filled there.
  std::optional<ZoneRemplissage> dessiner(const Entree& entree);

 private:
  Redessin redessin_{1};
  Bitmap avant_;  // its canvas as the last fill found it
};

}  // namespace orvane
