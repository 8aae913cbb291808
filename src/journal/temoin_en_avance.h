#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <span>
#include <thread>

#include "journal/entrees.h"
#include "journal/remplissage_echelle.h"
#include "journal/temoin_echelle_un.h"

namespace orvane {

// The scale-1 witness on a thread of its own, ahead of the bands: it never reads their
// picture, so it can find the next fills' regions while they paint the current one.
class TemoinEnAvance {
 public:
  explicit TemoinEnAvance(TemoinEchelleUn& temoin) : temoin_(temoin) {}
  ~TemoinEnAvance() { arreter(); }
  TemoinEnAvance(const TemoinEnAvance&) = delete;
  TemoinEnAvance& operator=(const TemoinEnAvance&) = delete;

  // Follows `entrees`, which must outlive the run, until finir or arreter.
  void lancer(std::span<const Entree> entrees);
  // The zone of the next stroke of fills, once found; throws what the witness threw.
  const ZoneRemplissage& zone_suivante();
  // The zone given last is no longer read.
  void rendre();
  // Waits for the witness to follow every entry; throws what it threw.
  void finir();
  // Stops the witness where it stands.
  void arreter();

 private:
  void suivre(std::span<const Entree> entrees);

  TemoinEchelleUn& temoin_;
  // Found ahead at most as many fills as there are zones.
  std::array<ZoneRemplissage, 2> zones_;
  std::uint64_t trouvees_ = 0, donnees_ = 0, rendues_ = 0;
  bool fin_ = false, arret_ = false;
  std::exception_ptr erreur_;
  std::mutex mutex_;
  std::condition_variable change_;
  std::thread fil_;
};

}  // namespace orvane
