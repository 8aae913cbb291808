#include "drawing/doublons_copies.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace orvane {

namespace {

constexpr std::size_t kLot = std::size_t{1} << 16;

struct Cle {
  SegmentEntier s;
  Colour couleur;
  bool operator==(const Cle&) const = default;
};

struct HachageCle {
  std::size_t operator()(const Cle& c) const {
    std::uint64_t h = 0x9E3779B97F4A7C15ull;
    for (const std::int64_t v : {c.s.x1, c.s.y1, c.s.x2, c.s.y2, std::int64_t{c.couleur}}) {
      h ^= static_cast<std::uint64_t>(v) + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    }
    return static_cast<std::size_t>(h);
  }
};

}  // namespace

DoublonsCopies::DoublonsCopies(Repetition regle, std::function<void(const CopiePeinte&)> peindre)
    : regle_(regle), peindre_(std::move(peindre)) {}

void DoublonsCopies::recevoir(const CopiePeinte& copie) {
  copies_.push_back(copie);
  if (copies_.size() == kLot) vider();
}

void DoublonsCopies::finir() { vider(); }

void DoublonsCopies::vider() {
  // For each key, how many copies are left to meet, going from the last copy back.
  std::unordered_map<Cle, std::int64_t, HachageCle> fois;
  fois.reserve(copies_.size());
  for (const CopiePeinte& p : copies_) {
    if (p.comparable) ++fois[Cle{p.cle, p.couleur}];
  }
  std::vector<bool> peinte(copies_.size(), false);
  for (std::size_t k = copies_.size(); k-- > 0;) {
    const CopiePeinte& p = copies_[k];
    if (!p.comparable) {
      peinte[k] = true;
      continue;
    }
    std::int64_t& n = fois[Cle{p.cle, p.couleur}];
    // The last of its kind, painted once; for the flipping modes only if met an odd
    // number of times. n turns negative once the key is settled.
    if (n > 0) peinte[k] = regle_ != Repetition::Parite || n % 2 == 1;
    n = -1;
  }
  for (std::size_t k = 0; k < copies_.size(); ++k) {
    if (peinte[k]) peindre_(copies_[k]);
  }
  copies_.clear();
}

}  // namespace orvane
