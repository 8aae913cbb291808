#include "persistence/anneau_en_memoire.h"

#include <new>
#include <utility>

namespace orvane {

AnneauEnMemoire::AnneauEnMemoire(int places)
    : places_(static_cast<std::size_t>(places)),
      fil_pliage_([this] { boucle_pliage(); }),
      fil_ecriture_([this] { boucle_ecriture(); }) {}

AnneauEnMemoire::~AnneauEnMemoire() {
  {
    const std::lock_guard verrou(m_);
    fin_ = true;
  }
  cv_.notify_all();
  fil_pliage_.join();
  fil_ecriture_.join();
}

void AnneauEnMemoire::oublier(Place& p) {
  p.brute.reset();
  p.compacte.reset();
  p.signature.reset();
  p.pliage_rate = false;
  ++p.version;
}

void AnneauEnMemoire::ecrire(int place, const QString& chemin,
                             std::shared_ptr<const Bitmap> image, Ecrire ecrivain,
                             std::function<void()> fin) {
  {
    const std::lock_guard verrou(m_);
    Place& p = places_.at(static_cast<std::size_t>(place));
    oublier(p);
    p.brute = std::move(image);
    p.chemin = chemin;
    p.ecrivain = std::move(ecrivain);
    p.fin = std::move(fin);
    if (!p.en_file) file_.push_back(place);
    p.en_file = true;
  }
  cv_.notify_all();
}

std::shared_ptr<const Bitmap> AnneauEnMemoire::image(int place, const QString& chemin) const {
  std::shared_ptr<const Bitmap> brute;
  std::shared_ptr<const ImageCompacte> compacte;
  std::optional<SignatureFichier> signature;
  bool attendue = false;
  {
    const std::lock_guard verrou(m_);
    const Place& p = places_.at(static_cast<std::size_t>(place));
    brute = p.brute;
    compacte = p.compacte;
    signature = p.signature;
    attendue = p.en_file || en_cours_ == place;
  }
  if (!brute && !compacte) return nullptr;
  // Only the window queues writes: a place not waiting now will not be written meanwhile.
  if (!attendue && (!signature || signature != signature_fichier(chemin))) return nullptr;
  if (brute) return brute;
  return std::make_shared<const Bitmap>(compacte->deplier());
}

void AnneauEnMemoire::retenir(int place, std::shared_ptr<const Bitmap> image,
                              const SignatureFichier& signature) {
  {
    const std::lock_guard verrou(m_);
    Place& p = places_.at(static_cast<std::size_t>(place));
    if (p.en_file || en_cours_ == place) return;  // memory holds newer than the file
    oublier(p);
    p.brute = std::move(image);
    p.signature = signature;
  }
  cv_.notify_all();
}

AnneauEnMemoire::Bilan AnneauEnMemoire::recueillir() {
  Bilan bilan;
  {
    const std::lock_guard verrou(m_);
    for (const Issue& issue : std::exchange(issues_, {})) {
      if (!issue.erreur) {
        bilan.reussite = true;
        continue;
      }
      bilan.erreur = issue.erreur;
      bilan.place_echouee = issue.place;
      oublier(places_[static_cast<std::size_t>(issue.place)]);
      for (const int place : std::exchange(file_, {})) {
        Place& p = places_[static_cast<std::size_t>(place)];
        p.en_file = false;
        oublier(p);
        bilan.abandonnees.push_back(place);
      }
      arret_ = false;
    }
  }
  cv_.notify_all();
  return bilan;
}

void AnneauEnMemoire::attendre() {
  std::unique_lock verrou(m_);
  cv_.wait(verrou, [this] { return arret_ || (file_.empty() && en_cours_ < 0); });
}

bool AnneauEnMemoire::a_plier() const {
  for (const Place& p : places_)
    if (p.brute && !p.pliage_rate) return true;
  return false;
}

void AnneauEnMemoire::plier(std::unique_lock<std::mutex>& verrou) {
  for (Place& p : places_) {
    if (!p.brute || p.pliage_rate) continue;
    const std::shared_ptr<const Bitmap> brute = p.brute;
    const std::uint64_t version = p.version;
    verrou.unlock();
    std::shared_ptr<const ImageCompacte> compacte;
    try {
      compacte = std::make_shared<const ImageCompacte>(*brute);
    } catch (const std::bad_alloc&) {
      // Short of memory: the picture stays as it is.
    }
    verrou.lock();
    if (p.version != version) return;  // another picture came meanwhile
    if (compacte) {
      p.compacte = std::move(compacte);
      p.brute.reset();
    } else {
      p.pliage_rate = true;
    }
    return;
  }
}

void AnneauEnMemoire::ecrire_premiere(std::unique_lock<std::mutex>& verrou) {
  const int place = file_.front();
  file_.pop_front();
  Place& p = places_[static_cast<std::size_t>(place)];
  p.en_file = false;
  en_cours_ = place;
  const std::shared_ptr<const Bitmap> brute = p.brute;
  const std::shared_ptr<const ImageCompacte> compacte = p.compacte;
  const std::uint64_t version = p.version;
  const QString chemin = p.chemin;
  const Ecrire ecrivain = p.ecrivain;
  const std::function<void()> fin = p.fin;
  verrou.unlock();

  std::exception_ptr erreur;
  std::optional<SignatureFichier> signature;
  try {
    if (brute) {
      ecrivain(chemin, *brute);
    } else {
      ecrivain(chemin, compacte->deplier());
    }
    signature = signature_fichier(chemin);
  } catch (...) {
    erreur = std::current_exception();
  }

  verrou.lock();
  if (!erreur && p.version == version) p.signature = signature;
  if (erreur) arret_ = true;
  issues_.push_back({place, erreur});
  verrou.unlock();
  // Said before the write counts as ended, so that whoever waited for it was told.
  if (fin) fin();
  verrou.lock();
  en_cours_ = -1;
  cv_.notify_all();
}

void AnneauEnMemoire::boucle_pliage() {
  std::unique_lock verrou(m_);
  for (;;) {
    cv_.wait(verrou, [this] { return fin_ || a_plier(); });
    if (fin_) return;
    plier(verrou);
  }
}

void AnneauEnMemoire::boucle_ecriture() {
  std::unique_lock verrou(m_);
  for (;;) {
    cv_.wait(verrou, [this] { return fin_ || (!arret_ && !file_.empty()); });
    if (arret_ || file_.empty()) return;
    ecrire_premiere(verrou);
  }
}

}  // namespace orvane
