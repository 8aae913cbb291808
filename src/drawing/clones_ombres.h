#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "drawing/copies_symetriques.h"
#include "drawing/reglages_trace.h"
#include "drawing/segment_entier.h"
#include "platform/canvas.h"
#include "platform/composed_shape.h"

namespace orvane {

// A copy's line as its clones and its graded shadow paint it. The clones and the shadow
// lines are one wide line moved by whole pixels: it is rasterised once per copy and
// painted at every place, the shadow lines composed first into one shape.

// Shadows composed and not applied yet: consecutive copies on the same pixels, whatever
// their colours, add up here and are applied once. Exact in every mode as long as the
// clones of one copy do not overlap, since each pixel then sees the copies' shadow lines
// in their order.
struct OmbresCumulees {
  // The shades of lines [debut, fin) of a segment colour, kept for the next copies: copies
  // darkened at random take one of few colours.
  struct Teintes {
    Colour couleur;
    std::int64_t debut;
    std::int64_t fin;
    std::vector<Colour> teintes;
  };
  std::vector<Teintes> teintes;

  bool actif = false;
  SegmentEntier base{};
  std::int64_t debut = 0;
  std::int64_t fin = 0;
  std::vector<std::int64_t> places;
  ComposedShape cumul;
};

void appliquer_ombres(Canvas& canvas, OmbresCumulees& cumul);

// The colour of shadow line i of `largeur` for a segment of colour `couleur`.
Colour teinte_ombre(const ReglagesTrace& reglages, Colour couleur, int i, int largeur);

// The distance between two clones; 0 when they all fall on one place.
std::int64_t espacement_clones(const ReglagesTrace& reglages);
// The clone offsets of a copy, leftmost first.
std::vector<std::int64_t> decalages_clones(const ReglagesTrace& reglages);

// The shadow of every clone, lines one step further right and down each; only
// the lines that can touch the canvas count. The pen is left as the last line leaves it.
// With `cumul`, the shadow may be held back there.
void ombres(Canvas& canvas, const ReglagesTrace& reglages, const Copie& copie,
            const std::vector<std::int64_t>& decalages, Colour couleur, OmbresCumulees* cumul);

// The line of every clone with the pen as it is.
void lignes(Canvas& canvas, const Copie& copie, const std::vector<std::int64_t>& decalages);

// Where drawing the copy's clones and shadow lines one by one leaves the current position:
// the end of the last line that fits the canvas's coordinates, none when no line does. The
// shortcuts leave lines out (unseen shadow lines, spared copies), so they set it from this.
std::optional<Point> position_apres_copie(const ReglagesTrace& reglages, const Copie& copie);

}  // namespace orvane
