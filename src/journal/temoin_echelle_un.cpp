#include "journal/temoin_echelle_un.h"

#include <algorithm>
#include <variant>

#include "journal/remplissage_echelle.h"

namespace orvane {

bool TemoinEchelleUn::appliquer(const Entree& entree, Bitmap& image, int k) {
  Canvas& toile = redessin_.toile();
  redessin_.appliquer(entree);
  if (std::holds_alternative<EntreeToile>(entree)) {
    toile.takeDirty();
    avant_ = toile.bitmap();
    return false;
  }
  const Rect change = toile.takeDirty().intersected(toile.bitmap().bounds());
  const bool remplissage = est_remplissage(entree);
  if (remplissage) {
    remplir_a_l_echelle(image, k,
                        zone_remplie(std::get<EntreeTrait>(entree), avant_, toile.bitmap(), change));
  }
  for (int y = change.top; y < change.bottom; ++y) {
    const Colour* depuis = toile.bitmap().row(y) + change.left;
    std::copy(depuis, depuis + change.width(), avant_.row(y) + change.left);
  }
  return remplissage;
}

}  // namespace orvane
