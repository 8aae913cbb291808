#include "journal/temoin_echelle_un.h"

#include <algorithm>
#include <variant>

namespace orvane {

void TemoinEchelleUn::suivre(const Entree& entree) {
  Canvas& toile = redessin_.toile();
  redessin_.appliquer(entree);
  if (std::holds_alternative<EntreeToile>(entree)) {
    toile.takeDirty();
    a_recopier_ = toile.bitmap().bounds();
  } else {
    a_recopier_.unite(toile.takeDirty());
  }
}

Rect TemoinEchelleUn::remplir(const EntreeTrait& trait, Bitmap& image, int k) {
  zone(trait, zone_);
  return remplir_a_l_echelle(image, k, zone_, veille_);
}

void TemoinEchelleUn::zone(const EntreeTrait& trait, ZoneRemplissage& zone) {
  Canvas& toile = redessin_.toile();
  // Only what changed since the last fill is copied.
  const Bitmap& canevas = toile.bitmap();
  if (avant_.width() != canevas.width() || avant_.height() != canevas.height()) {
    avant_ = canevas;
  } else {
    const Rect r = a_recopier_.intersected(canevas.bounds());
    for (int y = r.top; y < r.bottom; ++y)
      std::copy(canevas.row(y) + r.left, canevas.row(y) + r.right, avant_.row(y) + r.left);
  }
  redessin_.surveiller(veille_);
  redessin_.appliquer(trait);
  redessin_.surveiller(nullptr);
  a_recopier_ = toile.takeDirty().intersected(canevas.bounds());
  zone_remplie(trait, avant_, canevas, a_recopier_, zone);
}

}  // namespace orvane
