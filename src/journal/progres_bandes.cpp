#include "journal/progres_bandes.h"

#include <algorithm>

namespace orvane {

ProgresBandes::ProgresBandes(const ProgresRedessin& progres, int bandes)
    : progres_(progres),
      bandes_(bandes),
      faits_(std::make_unique<std::atomic<std::int64_t>[]>(static_cast<std::size_t>(bandes))) {}

bool ProgresBandes::rapporter(int bande, std::int64_t fait, std::int64_t total) {
  faits_[static_cast<std::size_t>(bande)].store(fait, std::memory_order_relaxed);
  total_.store(total, std::memory_order_relaxed);
  if (arrete()) return false;
  // A band that finds another reporting goes on: its parts are in the next report.
  std::unique_lock<std::mutex> verrou(rapport_, std::try_to_lock);
  return !verrou.owns_lock() || rapporter_tout();
}

void ProgresBandes::finir() {
  const std::lock_guard<std::mutex> verrou(rapport_);
  if (!arrete()) rapporter_tout();
}

bool ProgresBandes::rapporter_tout() {
  std::int64_t somme = 0;
  for (int b = 0; b < bandes_; ++b)
    somme += faits_[static_cast<std::size_t>(b)].load(std::memory_order_relaxed);
  // Every band goes over every entry: their mean is the drawing's progress.
  dernier_ = std::max(dernier_, somme / bandes_);
  if (progres_(dernier_, total_.load(std::memory_order_relaxed))) return true;
  arreter();
  return false;
}

}  // namespace orvane
