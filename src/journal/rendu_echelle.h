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
  // The picture at a scale smoothed band after band, within the memory of the smoothed
  // picture and a few bands; none when the drawing cannot be cut so (it is then drawn whole,
  // then smoothed).
  std::function<bool(int echelle, Bitmap& sortie, const ProgresRedessin& progres)> lisser{};
};

// The journal's drawing on `fils` threads; the journal is kept, shared by the copies of the
// drawing.
Dessin dessin_du_journal(Journal journal, int fils = fils_par_defaut());
Dessin dessin_du_journal(std::shared_ptr<const Journal> journal, int fils = fils_par_defaut());

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
