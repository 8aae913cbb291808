#pragma once

#include <cstddef>
#include <vector>

#include "journal/entrees.h"

namespace orvane {

// Everything that changed the canvas, in the engine's own terms, re-drawable at any scale.
class Journal {
 public:
  Journal() = default;
  explicit Journal(std::vector<Entree> entrees);

  // The canvas size the journal draws at scale 1: its last new canvas's; 0 without one.
  int largeur() const;
  int hauteur() const;

  const std::vector<Entree>& entrees() const { return entrees_; }
  std::size_t taille() const { return entrees_.size(); }
  bool operator==(const Journal&) const = default;

  void ajouter(Entree entree);
  // Keeps the first `n` entries.
  void tronquer(std::size_t n);

  // The same picture from fewer entries: its last new canvas, then what follows the last
  // entry that covers the whole canvas. What a file keeps.
  Journal essentiel() const;
  // The first `n` entries' essential journal.
  Journal essentiel(std::size_t n) const;

 private:
  void trouver_derniere_toile();

  std::vector<Entree> entrees_;
  std::ptrdiff_t derniere_toile_ = -1;  // index of the last new canvas
};

}  // namespace orvane
