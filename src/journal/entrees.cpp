#include "journal/entrees.h"

#include <atomic>

namespace orvane {

namespace {

bool mode_involutif(int mode) { return mode == R2_XORPEN || mode == R2_NOT; }

}  // namespace

std::uint64_t nouvelle_lignee() {
  static std::atomic<std::uint64_t> derniere{0};
  return ++derniere;
}

bool involutive(const Entree& entree) {
  if (const auto* t = std::get_if<EntreeTrait>(&entree)) {
    // Fills are not: the second finds the region already painted. Random darkening draws
    // other colours the second time.
    return t->reglages.peindre_dessiner == 0 && mode_involutif(t->mode) && !t->tirage;
  }
  if (const auto* e = std::get_if<EntreeEllipse>(&entree)) return mode_involutif(e->mode);
  if (const auto* l = std::get_if<EntreeLigne>(&entree)) return mode_involutif(l->mode);
  if (const auto* a = std::get_if<EntreeArc>(&entree)) return mode_involutif(a->mode);
  return false;
}

bool couvre_toile(const Entree& entree, int largeur, int hauteur) {
  if (std::holds_alternative<EntreeToile>(entree)) return true;
  const auto* i = std::get_if<EntreeImage>(&entree);
  return i && i->image && i->image->width() >= largeur && i->image->height() >= hauteur;
}

}  // namespace orvane
