#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "journal/journal.h"
#include "journal/redessin.h"
#include "platform/bitmap.h"

namespace orvane {

// Smoothing draws the picture this many times larger, then averages each block down.
inline constexpr int kFacteurLissage = 4;

// A picture to re-draw: its canvas size at scale 1, and its drawing at a scale into a
// bitmap, which returns false when `progres` asked to stop.
struct Dessin {
  int largeur = 0;
  int hauteur = 0;
  std::function<bool(int echelle, Bitmap& sortie, const ProgresRedessin& progres)> dessiner;
};

// The journal's drawing; the journal is kept, shared by the copies of the drawing.
Dessin dessin_du_journal(Journal journal);
Dessin dessin_du_journal(std::shared_ptr<const Journal> journal);

// The largest scale up to kEchelleMax whose drawn picture (kFacteurLissage times larger
// when smoothed) stays within kPixelsMaxRedessin; 0 when even scale 1 passes it.
int echelle_la_plus_grande(int largeur, int hauteur, bool lisse);

// Empty when the picture can be re-drawn at `echelle`; otherwise why not, in one French
// sentence, naming the largest scale that fits.
std::string refus_echelle(int largeur, int hauteur, int echelle, bool lisse);

// The picture at `echelle`, smoothed or not; nothing when `progres` asked to stop.
std::optional<Bitmap> rendre(const Dessin& dessin, int echelle, bool lisse,
                             const ProgresRedessin& progres);

}  // namespace orvane
