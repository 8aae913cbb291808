#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <span>
#include <thread>

#include "journal/entrees.h"
#include "journal/remplissage_echelle.h"
#include "journal/temoin_echelle_un.h"

namespace orvane {

// The witness at scale 1 drawn ahead on a thread of its own: it never reads the scale-K
// picture, so it finds the zone of each stroke of fills while the bands paint what comes
// before, and the fill itself is all that is left to draw alone.
class TemoinEnAvance {
 public:
  // Draws `entrees` on `temoin`, which stays the caller's, from now on.
  TemoinEnAvance(TemoinEchelleUn& temoin, std::span<const Entree> entrees);
  ~TemoinEnAvance();
  TemoinEnAvance(const TemoinEnAvance&) = delete;
  TemoinEnAvance& operator=(const TemoinEnAvance&) = delete;

  // The zone of the next stroke of fills among the entries, once found; rethrows what
  // stopped the witness.
  ZoneRemplissage prochaine_zone();

 private:
  // Zones found ahead of their use: one, found while the fill before it is drawn, so that
  // at most two are in memory.
  static constexpr std::size_t kZonesEnAvance = 1;

  void travailler();

  TemoinEchelleUn& temoin_;
  std::span<const Entree> entrees_;
  std::mutex mutex_;
  std::condition_variable change_;
  std::deque<ZoneRemplissage> zones_;
  bool fini_ = false;   // every entry drawn
  bool arret_ = false;  // the caller no longer waits
  std::exception_ptr erreur_;
  std::thread fil_;
};

}  // namespace orvane
