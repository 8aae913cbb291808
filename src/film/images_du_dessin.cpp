#include "film/images_du_dessin.h"

#include <algorithm>
#include <utility>
#include <variant>

#include "journal/redessin.h"
#include "journal/rendu_echelle.h"
#include "platform/reduction_moyenne.h"
#include "platform/veille.h"

namespace orvane {

// A watch that counts the pixels painted and calls back at each look.
class ImagesDuDessin::Veille final : public orvane::Veille {
 public:
  explicit Veille(std::int64_t entre_regards) : orvane::Veille(entre_regards) {}
  std::int64_t vus() const { return pixels_vus(); }
  std::function<void()> regard;

 protected:
  void regarder() override {
    if (regard) regard();
  }
};

namespace {

// Nothing before the last new canvas shows.
std::span<const Entree> a_dessiner(const Journal& journal) {
  const std::vector<Entree>& entrees = journal.entrees();
  std::size_t debut = entrees.size();
  while (debut > 0 && !std::holds_alternative<EntreeToile>(entrees[debut - 1])) --debut;
  if (debut > 0) --debut;
  return {entrees.begin() + static_cast<std::ptrdiff_t>(debut), entrees.end()};
}

}  // namespace

ImagesDuDessin::ImagesDuDessin(const Journal& journal, int echelle, bool lisse)
    : entrees_(a_dessiner(journal)),
      echelle_dessin_(lisse ? echelle * kFacteurLissage : echelle),
      lisse_(lisse),
      largeur_(journal.largeur() * echelle),
      hauteur_(journal.hauteur() * echelle) {}

bool ImagesDuDessin::mesurer(
    const std::function<bool(std::int64_t fait, std::int64_t total)>& progres,
    bool garder_image) {
  const auto total = static_cast<std::int64_t>(entrees_.size());
  std::int64_t faites = 0;
  Veille veille(orvane::Veille::kPixelsEntreRegards);
  veille.regard = [&] {
    if (progres && !progres(faites, total)) throw DessinInterrompu{};
  };
  Redessin redessin(echelle_dessin_);
  redessin.surveiller(&veille);
  fins_.clear();
  fins_.reserve(entrees_.size());
  try {
    std::int64_t debut = 0;
    for (const Entree& entree : entrees_) {
      redessin.appliquer(entree);
      // The first canvas is the film's blank first frame: no work.
      if (faites++ == 0) debut = veille.vus();
      fins_.push_back(veille.vus() - debut);
      if (progres && !progres(faites, total)) return false;
    }
  } catch (const DessinInterrompu&) {
    return false;
  }
  travail_ = fins_.empty() ? 0 : fins_.back();
  if (garder_image) {
    Bitmap& toile = redessin.toile().bitmap();
    image_finie_ = lisse_ ? reduire_par_moyenne(toile, kFacteurLissage) : std::move(toile);
  }
  return true;
}

bool ImagesDuDessin::filmer(std::int64_t nombre, std::int64_t tenue,
                            const RecevoirImage& recevoir, const Continuer& continuer) {
  if (nombre < 1 || entrees_.empty()) return false;
  const std::int64_t dernier = nombre - 1;
  // The work after which frame i shows, 0 < i <= dernier.
  const auto seuil = [&](std::int64_t i) {
    return static_cast<std::int64_t>((static_cast<__int128>(i) * travail_ + dernier - 1) /
                                     dernier);
  };
  const std::int64_t pas = dernier > 0 ? travail_ / dernier : travail_;
  Redessin redessin(echelle_dessin_);
  const auto montrer = [&](std::int64_t fois) {
    const Bitmap& toile = redessin.toile().bitmap();
    if (lisse_) {
      recevoir(reduire_par_moyenne(toile, kFacteurLissage), fois);
    } else {
      recevoir(toile, fois);
    }
  };
  std::int64_t suivante = 0;  // the next frame to hand out
  // Hands out, as one, the frames before the last whose step the work `fait` reached.
  const auto rattraper = [&](std::int64_t fait) {
    std::int64_t fois = 0;
    while (suivante + fois < dernier && seuil(suivante + fois) <= fait) ++fois;
    if (fois == 0) return;
    montrer(fois);
    suivante += fois;
  };

  Veille veille(std::clamp<std::int64_t>(pas / 2, 1, orvane::Veille::kPixelsEntreRegards));
  std::int64_t debut = 0;
  bool lourde = false;  // the entry drawn is heavier than a step: it shows as it grows
  veille.regard = [&] {
    if (!continuer()) throw DessinInterrompu{};
    if (lourde) rattraper(veille.vus() - debut);
  };
  redessin.surveiller(&veille);
  try {
    redessin.appliquer(entrees_.front());
    debut = veille.vus();
    if (dernier > 0) {
      montrer(1);
      suivante = 1;
    }
    for (std::size_t i = 1; i < entrees_.size(); ++i) {
      if (!continuer()) return false;
      lourde = fins_[i] - fins_[i - 1] > pas;
      redessin.appliquer(entrees_[i]);
      lourde = false;
      rattraper(fins_[i]);
    }
    montrer(nombre - suivante + tenue);
  } catch (const DessinInterrompu&) {
    return false;
  }
  return true;
}

}  // namespace orvane
