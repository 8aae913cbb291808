#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "journal/journal.h"
#include "platform/aleatoire.h"

namespace orvane {

// The journal of the picture on the canvas, recorded as the program draws. It follows the
// snapshot ring: each place remembers how long the journal was at its snapshot, a step
// back or forward takes that journal up again, and a new entry after a step back drops the
// undone tail. A picture whose journal is unknown (a snapshot of an earlier run) is kept
// whole, so the journal always draws exactly the canvas.
class JournalCourant {
 public:
  static constexpr int kPlaces = 10;
  // A stroke's generator state is kept again after this many steps, so that re-drawing a
  // stroke never steps the generator on further from a kept state.
  static constexpr std::uint64_t kPasEntreOrigines = 1 << 16;

  // The current journal's entries are the first `longueur()` of `tout()`.
  const Journal& tout() const { return tout_; }
  std::size_t longueur() const { return longueur_; }
  // A copy of the current journal, reduced to what draws the canvas.
  Journal journal() const { return tout_.essentiel(longueur_); }
  // Counts the times entries were taken away or replaced: while it stays the same, the
  // journal only grew.
  std::uint64_t coupures() const { return coupures_; }

  void ajouter(Entree entree);

  // Where a stroke's random values will come from, taken before the stroke draws.
  TirageTrait tirage(const Aleatoire& aleatoire);

  // The snapshot of the current picture was written at ring place `place`, the canvas
  // being `largeur` x `hauteur`.
  void instantane(int place, int largeur, int hauteur);
  // The snapshot of `place` could not be written: its file holds some other picture.
  void oublier(int place);
  // The snapshot of `place` (or, with place -1, another picture) was painted at (0, 0) of
  // a `largeur` x `hauteur` canvas.
  void image_peinte(int place, std::shared_ptr<const Bitmap> image, int largeur, int hauteur);

  // The current journal becomes `journal` (a file opened onto a canvas of its size).
  void remplacer(const Journal& journal);

 private:
  struct Place {
    bool connue = false;
    std::size_t longueur = 0;
    int largeur = 0, hauteur = 0;
  };
  void couper(std::size_t n);

  Journal tout_;
  std::size_t longueur_ = 0;
  std::uint64_t coupures_ = 0;
  std::array<Place, kPlaces> places_{};
  std::shared_ptr<const OrigineTirage> origine_;
  std::uint64_t semis_origine_ = 0;
  std::uint64_t pas_origine_ = 0;  // the generator's own count of steps at the origin
  const void* generateur_ = nullptr;
};

}  // namespace orvane
