#include "journal/temoin_en_avance.h"

#include <new>
#include <stdexcept>
#include <system_error>
#include <variant>

namespace orvane {

void TemoinEnAvance::lancer(std::span<const Entree> entrees) {
  arreter();
  trouvees_ = donnees_ = rendues_ = 0;
  fin_ = arret_ = false;
  erreur_ = nullptr;
  try {
    fil_ = std::thread([this, entrees] { suivre(entrees); });
  } catch (const std::system_error&) {
    throw std::bad_alloc();  // no memory for its stack
  }
}

void TemoinEnAvance::suivre(std::span<const Entree> entrees) {
  try {
    for (const Entree& entree : entrees) {
      if (!est_remplissage(entree)) {
        temoin_.suivre(entree);
        std::lock_guard<std::mutex> verrou(mutex_);
        if (arret_) break;
        continue;
      }
      std::unique_lock<std::mutex> verrou(mutex_);
      change_.wait(verrou, [this] { return arret_ || trouvees_ - rendues_ < zones_.size(); });
      if (arret_) break;
      ZoneRemplissage& zone = zones_[trouvees_ % zones_.size()];
      verrou.unlock();
      temoin_.zone(std::get<EntreeTrait>(entree), zone);
      verrou.lock();
      ++trouvees_;
      change_.notify_all();
    }
  } catch (...) {
    const std::lock_guard<std::mutex> verrou(mutex_);
    erreur_ = std::current_exception();
  }
  const std::lock_guard<std::mutex> verrou(mutex_);
  fin_ = true;
  change_.notify_all();
}

const ZoneRemplissage& TemoinEnAvance::zone_suivante() {
  std::unique_lock<std::mutex> verrou(mutex_);
  change_.wait(verrou, [this] { return trouvees_ > donnees_ || fin_; });
  if (trouvees_ == donnees_) {
    if (erreur_) std::rethrow_exception(erreur_);
    throw std::logic_error("le témoin n'a plus de remplissage à donner");
  }
  return zones_[donnees_++ % zones_.size()];
}

void TemoinEnAvance::rendre() {
  const std::lock_guard<std::mutex> verrou(mutex_);
  ++rendues_;
  change_.notify_all();
}

void TemoinEnAvance::finir() {
  if (fil_.joinable()) fil_.join();
  if (erreur_) std::rethrow_exception(erreur_);
}

void TemoinEnAvance::arreter() {
  {
    const std::lock_guard<std::mutex> verrou(mutex_);
    arret_ = true;
    change_.notify_all();
  }
  if (fil_.joinable()) fil_.join();
}

}  // namespace orvane
