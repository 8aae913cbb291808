#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "journal/veille_redessin.h"

namespace orvane {

// The progress of a drawing shared out in bands, each with its own watch, told as one: the
// mean of the bands' parts, reported by one band at a time, never going back; a stop asked
// by the report reaches every band at its next look.
class ProgresBandes {
 public:
  ProgresBandes(const ProgresRedessin& progres, int bandes);

  // Band `bande` has done `fait` of `total`; false when the drawing is to stop.
  bool rapporter(int bande, std::int64_t fait, std::int64_t total);
  // Reports where the bands stand, once they are all done.
  void finir();
  // Every band is to stop at its next look.
  void arreter() { arret_.store(true, std::memory_order_relaxed); }
  bool arrete() const { return arret_.load(std::memory_order_relaxed); }

 private:
  // Under rapport_.
  bool rapporter_tout();

  const ProgresRedessin& progres_;
  int bandes_;
  std::unique_ptr<std::atomic<std::int64_t>[]> faits_;
  std::atomic<bool> arret_{false};
  std::mutex rapport_;
  std::atomic<std::int64_t> total_{0};
  std::int64_t dernier_ = 0;  // the progress last reported
};

}  // namespace orvane
