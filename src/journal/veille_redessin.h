#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "journal/entrees.h"
#include "platform/veille.h"

namespace orvane {

// Progress of a re-drawing: `fait` steps of `total` done; returns false to cancel.
using ProgresRedessin = std::function<bool(std::int64_t fait, std::int64_t total)>;

// A re-drawing's progress counted in parts, so that it moves within a heavy stroke: a
// stroke weighs its copies, any other entry one. Reports to `progres` at each entry and
// every so often inside one, and stops the drawing (DessinInterrompu) when it says so.
class VeilleRedessin final : public Veille {
 public:
  VeilleRedessin(const ProgresRedessin& progres, std::span<const Entree> entrees);

  // The entry about to be drawn; the one before it is done.
  void entree(const Entree& entree);
  // Every entry is done.
  void finir();

 protected:
  void regarder() override;

 private:
  const ProgresRedessin& progres_;
  std::int64_t total_ = 0;
  std::int64_t faits_ = 0;  // the parts of the entries done
  std::int64_t poids_ = 0;  // the current entry's
};

}  // namespace orvane
