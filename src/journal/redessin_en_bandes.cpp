#include "journal/redessin_en_bandes.h"

#include <algorithm>
#include <new>
#include <system_error>
#include <variant>

#include "journal/mise_a_l_echelle.h"
#include "journal/remplissage_echelle.h"

namespace orvane {

namespace {

// Whether the entry makes the picture or reads it across bands.
bool dessinee_seule(const Entree& entree) {
  return std::holds_alternative<EntreeToile>(entree) || est_remplissage(entree);
}

}  // namespace

RedessinEnBandes::RedessinEnBandes(int echelle, int fils) : echelle_(echelle) {
  const int n = std::clamp(fils, 1, kFilsMax);
  for (int b = 0; b < n; ++b)
    bandes_.push_back(std::make_unique<Redessin>(echelle, image_, b, n));
  if (echelle > 1) temoin_ = std::make_unique<TemoinEchelleUn>();
  if (temoin_ && n > 1) avance_ = std::make_unique<TemoinEnAvance>(*temoin_);
}

RedessinEnBandes::~RedessinEnBandes() {
  avance_.reset();
  if (fils_.empty()) return;
  fin_ = true;
  rendez_vous_->arrive_and_wait();
  for (std::thread& f : fils_) f.join();
}

void RedessinEnBandes::surveiller(const ProgresRedessin& progres,
                                  std::span<const Entree> entrees) {
  const int n = static_cast<int>(bandes_.size());
  progres_.emplace(progres, n);
  rapports_.reserve(static_cast<std::size_t>(n));
  for (int b = 0; b < n; ++b) {
    rapports_.push_back([this, b](std::int64_t fait, std::int64_t total) {
      return progres_->rapporter(b, fait, total);
    });
    veilles_.push_back(std::make_unique<VeilleRedessin>(rapports_.back(), entrees));
    bandes_[static_cast<std::size_t>(b)]->surveiller(veilles_.back().get());
  }
  // Ahead on its thread, the witness cannot share a band's watch: the bands report the
  // fills.
  if (temoin_ && !avance_) temoin_->surveiller(veilles_.front().get());
}

void RedessinEnBandes::appliquer(std::span<const Entree> entrees, bool derniers) {
  // The witness only serves fills: with no entry to come, it stops at the last one.
  std::size_t fin_temoin = entrees.size();
  if (derniers)
    while (fin_temoin > 0 && !est_remplissage(entrees[fin_temoin - 1])) --fin_temoin;
  if (avance_) avance_->lancer(entrees.first(fin_temoin));
  try {
    std::size_t debut = 0;
    for (std::size_t i = 0; i < entrees.size(); ++i) {
      if (!dessinee_seule(entrees[i])) continue;
      peindre(entrees.subspan(debut, i - debut), true);
      seul(entrees[i]);
      debut = i + 1;
    }
    peindre(entrees.subspan(debut), debut < fin_temoin);
  } catch (...) {
    if (avance_) avance_->arreter();
    throw;
  }
  if (avance_) avance_->finir();
}

void RedessinEnBandes::finir() {
  for (const auto& veille : veilles_) veille->finir();
  if (progres_) progres_->finir();
}

void RedessinEnBandes::dessiner_bande(std::size_t bande, std::span<const Entree> lot) {
  Redessin& redessin = *bandes_[bande];
  VeilleRedessin* veille = veilles_.empty() ? nullptr : veilles_[bande].get();
  for (const Entree& entree : lot) {
    if (veille != nullptr) veille->entree(entree);
    redessin.appliquer(entree);
  }
}

void RedessinEnBandes::peindre(std::span<const Entree> lot, bool suivre) {
  if (lot.empty()) return;
  if (bandes_.size() == 1) {
      if (temoin_ && suivre)
      for (const Entree& entree : lot) temoin_->suivre(entree);
    dessiner_bande(0, lot);
    return;
  }
  en_bandes([&](std::size_t bande) { dessiner_bande(bande, lot); });
}

PourChaqueBande RedessinEnBandes::en_parallele() {
  PourChaqueBande bandes{static_cast<int>(bandes_.size()), {}};
  if (bandes_.size() > 1) {
    bandes.lancer = [this](const std::function<void(int)>& tache) {
      en_bandes([&tache](std::size_t b) { tache(static_cast<int>(b)); });
    };
  }
  return bandes;
}

void RedessinEnBandes::en_bandes(const std::function<void(std::size_t)>& tache) {
  lancer_fils();
  tache_ = &tache;
  rendez_vous_->arrive_and_wait();
  rendez_vous_->arrive_and_wait();
  tache_ = nullptr;
  if (erreur_) std::rethrow_exception(erreur_);
  if (progres_ && progres_->arrete()) throw DessinInterrompu{};
}

void RedessinEnBandes::noter_erreur() {
  const std::lock_guard<std::mutex> verrou(erreur_mutex_);
  if (!erreur_) erreur_ = std::current_exception();
  if (progres_) progres_->arreter();
}

void RedessinEnBandes::seul(const Entree& entree) {
  for (const auto& veille : veilles_) veille->entree(entree);
  Veille* veille = veilles_.empty() ? nullptr : veilles_.front().get();
  if (const auto* toile = std::get_if<EntreeToile>(&entree)) {
    image_ = Bitmap();
    const int largeur = bord_a_l_echelle(toile->largeur, echelle_);
    const int hauteur = bord_a_l_echelle(toile->hauteur, echelle_);
    if (bandes_.size() == 1) {
      image_ = Bitmap(largeur, hauteur, toile->couleur, veille);
    } else {
      // Each band fills its rows: the first touch of a large picture's memory is most of
      // the cost.
      image_ = Bitmap(largeur, hauteur, Bitmap::NonRemplie{});
      en_bandes([&](std::size_t b) {
        const std::int64_t n = static_cast<std::int64_t>(bandes_.size());
        const auto haut = static_cast<int>(hauteur * static_cast<std::int64_t>(b) / n);
        const auto bas = static_cast<int>(hauteur * static_cast<std::int64_t>(b + 1) / n);
        for (int y = haut; y < bas; ++y) {
          std::fill_n(image_.row(y), largeur, toile->couleur & 0xFFFFFFu);
          veiller_pixels(veilles_.empty() ? nullptr : veilles_[b].get(), largeur);
        }
      });
    }
    for (const auto& bande : bandes_) bande->appliquer(entree);
    if (temoin_ && !avance_) temoin_->suivre(entree);
    return;
  }
  // A stroke of fills. Above scale 1 the witness tells what it filled at scale 1; every
  // band floods the seams of its rows, the floods go on across the bands' edges alone,
  // then every band paints its rows. The bands' own drawings leave the stroke alone.
  if (temoin_) {
    const PourChaqueBande bandes = en_parallele();
    if (!avance_) temoin_->zone(std::get<EntreeTrait>(entree), zone_);
    const ZoneRemplissage& zone = avance_ ? avance_->zone_suivante() : zone_;
    const std::int64_t blocs = (std::int64_t{image_.height()} + echelle_ - 1) / echelle_;
    // A band's rows, whole blocks of them.
    const auto haut = [&](int b) { return static_cast<int>(blocs * b / bandes.bandes); };
    const auto veille = [&](int b) {
      return veilles_.empty() ? nullptr : veilles_[static_cast<std::size_t>(b)].get();
    };
    prises_.resize(bandes_.size());
    bords_.resize(bandes_.size());
    bandes([&](int b) {
      const auto i = static_cast<std::size_t>(b);
      inonder_coutures(image_, echelle_, zone, haut(b), haut(b + 1), prises_[i], bords_[i],
                       veille(b));
    });
    bord_.clear();
    for (const auto& bord : bords_) bord_.insert(bord_.end(), bord.begin(), bord.end());
    inonder_bords(image_, echelle_, zone, bord_, prises_bords_);
    bandes([&](int b) {
      peindre_region(image_, echelle_, zone, haut(b) * echelle_, haut(b + 1) * echelle_,
                     veille(b));
      peindre_coutures(image_, zone, prises_[static_cast<std::size_t>(b)]);
    });
    peindre_coutures(image_, zone, prises_bords_);
    if (avance_) avance_->rendre();
    return;
  }
  // At scale 1 the fill is the stroke itself, drawn by the first band on every row.
  Redessin& premiere = *bandes_.front();
  Canvas& toile = premiere.toile();
  const Rect bande = toile.clip();
  toile.clipRows(0, toile.height());
  premiere.appliquer(entree);
  toile.clipRows(bande.top, bande.bottom);
  for (std::size_t b = 1; b < bandes_.size(); ++b) bandes_[b]->reprendre_etat(premiere);
}

void RedessinEnBandes::travailler(std::size_t bande) {
  for (;;) {
    rendez_vous_->arrive_and_wait();
    if (fin_) return;
    try {
      (*tache_)(bande);
    } catch (const DessinInterrompu&) {
      // The report that asked it already stopped every band.
    } catch (...) {
      noter_erreur();
    }
    rendez_vous_->arrive_and_wait();
  }
}

void RedessinEnBandes::lancer_fils() {
  if (!fils_.empty()) return;
  fils_.reserve(bandes_.size());
  rendez_vous_.emplace(static_cast<std::ptrdiff_t>(bandes_.size() + 1));
  try {
    for (std::size_t b = 0; b < bandes_.size(); ++b)
      fils_.emplace_back([this, b] { travailler(b); });
  } catch (const std::system_error&) {
    // A thread whose stack the memory cannot hold: those started must not wait at the
    // barrier for it.
    fin_ = true;
    for (std::size_t b = fils_.size(); b < bandes_.size(); ++b) rendez_vous_->arrive_and_drop();
    rendez_vous_->arrive_and_wait();
    for (std::thread& f : fils_) f.join();
    fils_.clear();
    fin_ = false;
    throw std::bad_alloc();
  }
}

}  // namespace orvane
