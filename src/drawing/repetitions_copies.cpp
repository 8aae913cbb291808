#include "drawing/repetitions_copies.h"

#include <cmath>
#include <utility>

namespace orvane {

namespace {

// Past this the block is not kept: a typed petal count in the millions repeats nothing
// worth the memory.
constexpr std::int64_t kPeriodeMax = 1 << 16;

// Far from a half, round(x + d) = round(x) + d for every whole clone offset d: the sum is
// exact to much better than the distance kept.
bool loin_d_une_moitie(double x) {
  const double fraction = x - std::floor(x);
  return std::fabs(fraction - 0.5) > 1e-6;
}

bool petit(std::int64_t v) { return v > -(std::int64_t{1} << 30) && v < (std::int64_t{1} << 30); }

}  // namespace

Repetition repetition_du_mode(int mode) {
  switch (mode) {
    case R2_NOT:
    case R2_XORPEN:
    case R2_NOTXORPEN:
      return Repetition::Parite;
    case R2_MERGEPENNOT:
    case R2_MASKPENNOT:
    case R2_NOTMERGEPEN:
    case R2_NOTMASKPEN:
      return Repetition::UneOuDeuxFois;
    default:  // each bit kept or set to a constant, the unknown codes acting as copy
      return Repetition::UneFois;
  }
}

CopiePeinte copie_peinte(const Copie& copie, Colour couleur, const ReglagesTrace& reglages) {
  CopiePeinte p{copie, couleur};
  const bool remplissage = reglages.peindre_dessiner == 1 || reglages.peindre_dessiner == 2;
  if (remplissage) {
    // A fill only looks at the end point.
    p.comparable = arrondi_64(copie.x2, p.cle.x2) && arrondi_64(copie.y2, p.cle.y2) &&
                   petit(p.cle.x2) && petit(p.cle.y2);
    return p;
  }
  const bool clones = reglages.nombre_clones > 1;
  p.comparable = arrondi_copie(copie, 0, p.cle) && petit(p.cle.x1) && petit(p.cle.y1) &&
                 petit(p.cle.x2) && petit(p.cle.y2) &&
                 (!clones || (loin_d_une_moitie(copie.x1) && loin_d_une_moitie(copie.x2)));
  return p;
}

std::int64_t periode_copies(const ReglagesTrace& reglages) {
  const bool polaire = reglages.symetrie == 0 || reglages.symetrie == 1;
  if (!polaire || !reglages.spirale || reglages.tours < 2) return 0;
  if (reglages.facteur_milliemes != 1000 && reglages.facteur_milliemes != -1000) return 0;
  const bool avec_miroir = reglages.type_trace == 4 || reglages.symetrie == 1;
  const std::int64_t par_tour = std::int64_t{reglages.nb_petales} * (avec_miroir ? 2 : 1);
  const std::int64_t periode = par_tour * (reglages.facteur_milliemes < 0 ? 2 : 1);
  return periode > 0 && periode <= kPeriodeMax ? periode : 0;
}

RepetitionsCopies::RepetitionsCopies(std::int64_t periode, Repetition regle,
                                     std::function<void(const CopiePeinte&)> peindre)
    : periode_(periode), regle_(regle), peindre_(std::move(peindre)) {
  if (periode_ > 0) bloc_.reserve(static_cast<std::size_t>(periode_));
}

void RepetitionsCopies::peindre_bloc(std::size_t jusqua) {
  for (std::size_t k = 0; k < jusqua; ++k) peindre_(bloc_[k]);
}

void RepetitionsCopies::vider_repetitions() {
  switch (regle_) {
    case Repetition::UneFois:
      peindre_bloc(bloc_.size());
      break;
    case Repetition::Parite:
      if (fois_ % 2 == 1) peindre_bloc(bloc_.size());
      break;
    case Repetition::UneOuDeuxFois:
      peindre_bloc(bloc_.size());
      if (fois_ % 2 == 0) peindre_bloc(bloc_.size());
      break;
  }
}

void RepetitionsCopies::recevoir(const CopiePeinte& copie) {
  if (periode_ <= 0) {
    peindre_(copie);
    return;
  }
  if (!bloc_complet_) {
    bloc_.push_back(copie);
    if (static_cast<std::int64_t>(bloc_.size()) == periode_) {
      bloc_complet_ = true;
      fois_ = 1;
      position_ = 0;
    }
    return;
  }
  if (copie.meme_peinture(bloc_[position_])) {
    if (++position_ == bloc_.size()) {
      ++fois_;
      position_ = 0;
    }
    return;
  }
  // The run ends: paint it, then the part of the block the copy had matched, and start a
  // new block with the copy.
  vider_repetitions();
  peindre_bloc(position_);
  bloc_.clear();
  bloc_complet_ = false;
  recevoir(copie);
}

void RepetitionsCopies::finir() {
  if (bloc_complet_) {
    vider_repetitions();
    peindre_bloc(position_);
  } else {
    peindre_bloc(bloc_.size());
  }
  bloc_.clear();
  bloc_complet_ = false;
}

}  // namespace orvane
