#include "journal/veille_redessin.h"

#include <algorithm>
#include <variant>

#include "drawing/copies_symetriques.h"

namespace orvane {

namespace {

std::int64_t poids(const Entree& entree) {
  const auto* trait = std::get_if<EntreeTrait>(&entree);
  return trait ? std::max<std::int64_t>(1, nombre_copies(trait->reglages)) : 1;
}

}  // namespace

VeilleRedessin::VeilleRedessin(const ProgresRedessin& progres, std::span<const Entree> entrees)
    : progres_(progres) {
  for (const Entree& e : entrees) total_ += poids(e);
}

void VeilleRedessin::entree(const Entree& entree) {
  faits_ += poids_;
  poids_ = poids(entree);
  nouveau_travail();
  regarder();
}

void VeilleRedessin::finir() {
  faits_ += poids_;
  poids_ = 0;
  nouveau_travail();
  regarder();
}

void VeilleRedessin::regarder() {
  if (!progres_(faits_ + std::min(parties(), poids_), total_)) throw DessinInterrompu{};
}

}  // namespace orvane
