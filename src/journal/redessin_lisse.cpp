#include "journal/redessin_lisse.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <variant>
#include <vector>

#include "journal/mise_a_l_echelle.h"
#include "journal/progres_bandes.h"
#include "journal/redessin.h"
#include "journal/remplissage_echelle.h"
#include "platform/reduction_moyenne.h"

namespace orvane {

namespace {

// The bands drawn at once take about a fifth of the picture made, and this more.
constexpr std::int64_t kOctetsBandes = std::int64_t{32} << 20;

}  // namespace

bool dessinable_par_bandes(const Journal& journal) {
  const std::span<const Entree> entrees = entrees_a_dessiner(journal);
  return std::none_of(entrees.begin(), entrees.end(), est_remplissage);
}

bool redessiner_reduit(const Journal& journal, int echelle, int facteur, Bitmap& sortie,
                       const ProgresRedessin& progres, int fils, int lignes_par_bande) {
  const std::span<const Entree> entrees = entrees_a_dessiner(journal);
  const auto* toile = entrees.empty() ? nullptr : std::get_if<EntreeToile>(&entrees.front());
  if (toile == nullptr) {
    sortie = Bitmap();
    return true;
  }
  const int largeur = bord_a_l_echelle(toile->largeur, echelle);
  const int hauteur = bord_a_l_echelle(toile->hauteur, echelle);
  sortie = Bitmap();
  sortie = Bitmap(largeur / facteur, hauteur / facteur);
  const int n = std::clamp(fils, kFilsMin, kFilsMax);
  const std::int64_t octets_ligne = std::int64_t{4} * largeur * facteur;
  const std::int64_t octets_bandes =
      std::int64_t{4} * sortie.width() * sortie.height() / 5 + kOctetsBandes;
  const std::int64_t lignes =
      lignes_par_bande > 0 ? lignes_par_bande
                           : octets_bandes / n / std::max<std::int64_t>(octets_ligne, 1);
  const int par_bande =
      static_cast<int>(std::clamp<std::int64_t>(lignes, 1, std::max(sortie.height(), 1)));
  const int bandes = (sortie.height() + par_bande - 1) / par_bande;
  if (bandes == 0) return true;

  std::optional<ProgresBandes> suivi;
  if (progres) suivi.emplace(progres, bandes);
  std::atomic<int> suivante{0};
  std::atomic<bool> arret{false};
  std::mutex erreur_mutex;
  std::exception_ptr erreur;
  const auto dessiner_bande = [&](int b) {
    const int premiere = b * par_bande;
    const int derniere = std::min(sortie.height(), premiere + par_bande);
    Bitmap bande(largeur, hauteur, premiere * facteur, (derniere - premiere) * facteur,
                 toile->couleur);
    Redessin redessin(echelle, bande, 0, 1);
    const ProgresRedessin rapport = [&suivi, b](std::int64_t fait, std::int64_t total) {
      return suivi->rapporter(b, fait, total);
    };
    std::optional<VeilleRedessin> veille;
    if (suivi) {
      veille.emplace(rapport, entrees);
      redessin.surveiller(&*veille);
    }
    for (const Entree& entree : entrees) {
      if (veille) veille->entree(entree);
      redessin.appliquer(entree);
    }
    if (veille) veille->finir();
    reduire_lignes_par_moyenne(bande, facteur, sortie, premiere, derniere);
  };
  // Each thread takes the next band until none is left or one stops them all.
  const auto travailler = [&] {
    try {
      for (int b = suivante++; b < bandes && !arret; b = suivante++) dessiner_bande(b);
    } catch (const DessinInterrompu&) {
      arret = true;
    } catch (...) {
      const std::lock_guard<std::mutex> verrou(erreur_mutex);
      if (!erreur) erreur = std::current_exception();
      arret = true;
      if (suivi) suivi->arreter();
    }
  };
  {
    std::vector<std::jthread> aides;
    for (int t = 1; t < std::min(n, bandes); ++t) aides.emplace_back(travailler);
    travailler();
  }
  if (erreur) std::rethrow_exception(erreur);
  if (arret) return false;
  if (suivi) suivi->finir();
  return true;
}

}  // namespace orvane
