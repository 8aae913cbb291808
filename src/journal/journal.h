#pragma once

namespace orvane {

// Everything that changed the canvas, in the engine's own terms, re-drawable at any scale.
class Journal {
 public:
  // The canvas size the journal draws at scale 1.
  int largeur() const;
  int hauteur() const;
};

}  // namespace orvane
