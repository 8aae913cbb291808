#pragma once

#include <functional>
#include <vector>

#include "drawing/repetitions_copies.h"

namespace orvane {

// Receives the line copies of one call in order and paints them, leaving out each copy
// that paints what another copy of the call paints (same rounded place, colour and so the
// same pixels) wherever the mode proves the picture the same:
// - modes that paint once (copy-like, OR- and AND-like): only the last of equal copies is
//   painted, in its place. A copy-like paint is covered by the later equal one; OR and AND
//   commute with one another and give the same result twice as once.
// - modes that only keep or flip bits (XOR-like): they commute, and equal copies cancel in
//   pairs: a copy met an odd number of times is painted once, otherwise not at all.
// A spiral whose copies shrink below a pixel repeats copy by copy, not turn by turn, and
// this catches it. The copies are held back in batches of bounded size; a batch reduced on
// its own is still exact, as it is a run of consecutive paints.
class DoublonsCopies {
 public:
  DoublonsCopies(Repetition regle, std::function<void(const CopiePeinte&)> peindre);

  void recevoir(const CopiePeinte& copie);
  // Paints what is still held back; call once, after the last copy.
  void finir();

 private:
  void vider();

  Repetition regle_;
  std::function<void(const CopiePeinte&)> peindre_;
  std::vector<CopiePeinte> copies_;
};

}  // namespace orvane
