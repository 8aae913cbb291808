#pragma once

#include <cstdint>
#include <memory>
#include <variant>

#include "drawing/arc_ellipse.h"
#include "drawing/reglages_trace.h"
#include "platform/aleatoire.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace orvane {

// One change of the canvas, in the engine's own terms: each entry holds everything its
// drawing reads, so that it can be drawn again alone, at any scale.

// A new canvas of this size, filled with this colour.
struct EntreeToile {
  int largeur = 0;
  int hauteur = 0;
  Colour couleur = 0;
  bool operator==(const EntreeToile&) const = default;
};

// A state of the generator kept so that strokes can draw again what they drew. Origins of
// one lineage (one sowing of one generator) follow each other: `pas` counts the steps from
// the lineage's first kept state.
struct OrigineTirage {
  Aleatoire::Moteur etat;
  std::uint64_t lignee = 0;
  std::uint64_t pas = 0;
};

// A lineage number no other origin of this process has.
std::uint64_t nouvelle_lignee();

// Where a stroke's random values came from: an origin and the steps the generator had
// taken since it when the stroke began.
struct TirageTrait {
  std::shared_ptr<const OrigineTirage> origine;
  std::uint64_t pas = 0;
  // Steps from the lineage's first kept state.
  std::uint64_t pas_lignee() const { return origine->pas + pas; }
  explicit operator bool() const { return origine != nullptr; }
  bool operator==(const TirageTrait&) const = default;
};

// One call of the symmetric renderer: the segment a-b with every copy, clone, shadow or
// fill its settings ask for. `largeur` is the pen width the call set (already drawn when
// the width is random).
struct EntreeTrait {
  Point a, b;
  int mode = R2_COPYPEN;
  Colour couleur = 0;
  int largeur = 1;
  ReglagesTrace reglages;
  Point centre;
  Colour couleur_crayon = 0;
  Colour couleur_peinture = 0;
  // Only a stroke that draws random values (darkened crayon copies) has an origin.
  TirageTrait tirage;
  bool operator==(const EntreeTrait&) const = default;
};

// Canvas.Ellipse with this pen and brush: the dots of "points" and the elliptic tool's
// marker.
struct EntreeEllipse {
  int gauche = 0, haut = 0, droite = 0, bas = 0;
  int mode = R2_COPYPEN;
  Colour couleur_crayon = 0;
  int largeur = 1;
  Colour couleur_pinceau = 0;
  BrushStyle style_pinceau = BrushStyle::Solid;
  bool operator==(const EntreeEllipse&) const = default;
};

// A line of the elliptic tool (its rubber line).
struct EntreeLigne {
  Point a, b;
  int mode = R2_XORPEN;
  Colour couleur = 0;
  int largeur = 1;
  bool operator==(const EntreeLigne&) const = default;
};

// An arc of the elliptic tool, from a to c with tangents meeting at b.
struct EntreeArc {
  Point a, b, c;
  int mode = R2_COPYPEN;
  Colour couleur = 0;
  int largeur = 1;
  OmbreArc ombre;
  bool operator==(const EntreeArc& e) const {
    return a == e.a && b == e.b && c == e.c && mode == e.mode && couleur == e.couleur &&
           largeur == e.largeur && ombre.ombre_1 == e.ombre.ombre_1 &&
           ombre.ombre_2 == e.ombre.ombre_2 && ombre.largeur == e.ombre.largeur;
  }
};

// A picture painted at (0, 0) at its own size: an opened file, a snapshot whose history
// is unknown. Shared, never changed: journals that hold it copy only the pointer.
struct EntreeImage {
  std::shared_ptr<const Bitmap> image;
  bool operator==(const EntreeImage& e) const {
    return image == e.image || (image && e.image && *image == *e.image);
  }
};

using Entree =
    std::variant<EntreeToile, EntreeTrait, EntreeEllipse, EntreeLigne, EntreeArc, EntreeImage>;

// Whether drawing the entry twice in a row leaves the canvas as it was: lines in XOR or
// NOT only flip bits, pixel by pixel, in an order that does not matter, so the second
// drawing flips back all the first flipped. Such a pair is dropped from a journal.
bool involutive(const Entree& entree);

// Whether the entry replaces every pixel of a canvas of that size.
bool couvre_toile(const Entree& entree, int largeur, int hauteur);

}  // namespace orvane
