#include "journal/temoin_echelle_un.h"

#include <algorithm>
#include <variant>

namespace orvane {

bool TemoinEchelleUn::appliquer(const Entree& entree, Bitmap& image, int k) {
  const std::optional<ZoneRemplissage> zone = dessiner(entree);
  if (!zone) return false;
  remplir_a_l_echelle(image, k, *zone);
  return true;
}

std::optional<ZoneRemplissage> TemoinEchelleUn::dessiner(const Entree& entree) {
  Canvas& toile = redessin_.toile();
  if (!est_remplissage(entree)) {
    redessin_.appliquer(entree);
    return std::nullopt;
  }
  // Only a fill needs the canvas it found: copied then, into the same memory each time.
  if (avant_.width() != toile.width() || avant_.height() != toile.height()) {
    avant_ = toile.bitmap();
  } else {
    std::copy_n(toile.bitmap().data(),
                static_cast<std::size_t>(toile.width()) * toile.height(), avant_.data());
  }
  toile.takeDirty();
  redessin_.appliquer(entree);
  const Rect change = toile.takeDirty().intersected(toile.bitmap().bounds());
  return zone_remplie(std::get<EntreeTrait>(entree), avant_, toile.bitmap(), change);
}

}  // namespace orvane
