#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "drawing/reglages_trace.h"
#include "drawing/segment_entier.h"
#include "platform/colour.h"

namespace orvane {

// How a run of identical blocks of copies can be painted fewer times with the same result.
// Each pixel's 24 bits go through a function of one bit per line painted over it, and any
// function on {0, 1} repeated three times acts as once: a block painted t times acts as
// painted once (t odd) or twice (t even). Idempotent modes (copy, black, or, and...) act as
// once whatever t; modes that only keep or flip bits (XOR, NOT...) undo themselves in
// pairs. A block of fills repeated finds every region already in the paint colour.
enum class Repetition : std::uint8_t { UneFois, Parite, UneOuDeuxFois };

Repetition repetition_du_mode(int mode);

// One copy on its way to the painter, with what makes two copies paint the same pixels.
struct CopiePeinte {
  Copie copie;
  Colour couleur = 0;
  bool comparable = false;  // whether `cle` alone decides what the copy paints
  SegmentEntier cle{};
  bool meme_peinture(const CopiePeinte& autre) const {
    return comparable && autre.comparable && couleur == autre.couleur && cle == autre.cle;
  }
};

// The copy with its key, for the clones' spacing and the fill or line modes of the call.
CopiePeinte copie_peinte(const Copie& copie, Colour couleur, const ReglagesTrace& reglages);

// The number of copies after which a spiral repeats itself exactly: one turn (two when the
// factor flips the radius each copy); 0 when it does not repeat.
std::int64_t periode_copies(const ReglagesTrace& reglages);

// Receives the copies of one call in order and paints them, replacing every run of a
// block of `periode` identical copies by the one or two paintings that give the same
// picture. Copies outside such runs are painted as they come, in their order.
class RepetitionsCopies {
 public:
  RepetitionsCopies(std::int64_t periode, Repetition regle,
                    std::function<void(const CopiePeinte&)> peindre);

  void recevoir(const CopiePeinte& copie);
  // Paints what is still held back; call once, after the last copy.
  void finir();

 private:
  void peindre_bloc(std::size_t jusqua);
  void vider_repetitions();

  std::int64_t periode_;
  Repetition regle_;
  std::function<void(const CopiePeinte&)> peindre_;
  std::vector<CopiePeinte> bloc_;  // the block being collected, not painted yet
  bool bloc_complet_ = false;
  std::int64_t fois_ = 0;    // complete runs of the block seen
  std::size_t position_ = 0;  // how far the current run matches the block
};

}  // namespace orvane
