#include "journal/temoin_en_avance.h"

#include <optional>
#include <utility>

namespace orvane {

TemoinEnAvance::TemoinEnAvance(TemoinEchelleUn& temoin, std::span<const Entree> entrees)
    : temoin_(temoin), entrees_(entrees), fil_([this] { travailler(); }) {}

TemoinEnAvance::~TemoinEnAvance() {
  {
    const std::lock_guard<std::mutex> verrou(mutex_);
    arret_ = true;
  }
  change_.notify_all();
  fil_.join();
}

ZoneRemplissage TemoinEnAvance::prochaine_zone() {
  std::unique_lock<std::mutex> verrou(mutex_);
  change_.wait(verrou, [this] { return !zones_.empty() || fini_; });
  if (zones_.empty()) {
    if (erreur_) std::rethrow_exception(erreur_);
    return {};  // the entries hold no more fills: never asked for
  }
  ZoneRemplissage zone = std::move(zones_.front());
  zones_.pop_front();
  change_.notify_all();
  return zone;
}

void TemoinEnAvance::travailler() {
  try {
    for (const Entree& entree : entrees_) {
      {
        // A zone is found only when there is room for it.
        std::unique_lock<std::mutex> verrou(mutex_);
        if (est_remplissage(entree))
          change_.wait(verrou, [this] { return zones_.size() < kZonesEnAvance || arret_; });
        if (arret_) break;
      }
      std::optional<ZoneRemplissage> zone = temoin_.dessiner(entree);
      if (!zone) continue;
      // Kept a while beside the one being drawn: its lists without their spare room.
      zone->region.shrink_to_fit();
      zone->coutures.shrink_to_fit();
      const std::lock_guard<std::mutex> verrou(mutex_);
      zones_.push_back(std::move(*zone));
      change_.notify_all();
    }
  } catch (...) {
    const std::lock_guard<std::mutex> verrou(mutex_);
    erreur_ = std::current_exception();
  }
  const std::lock_guard<std::mutex> verrou(mutex_);
  fini_ = true;
  change_.notify_all();
}

}  // namespace orvane
