#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "journal/journal.h"
#include "platform/bitmap.h"

namespace orvane {

// Asked now and then during a drawing; false stops it.
using Continuer = std::function<bool()>;

// A frame of the film and how many times in a row it is shown.
using RecevoirImage = std::function<void(const Bitmap& image, std::int64_t fois)>;

// The frames of a journal's drawing at a scale, smoothed or not, as `--render` draws it. A
// first drawing measures the work (pixels painted) each entry does; the second hands out
// frames at even steps of that work, so that neither light strokes nor a heavy one make a
// still or a jump. A frame falls between two entries, all the copies of a segment
// together, except inside an entry heavier than a step, which is shown as it grows.
class ImagesDuDessin {
 public:
  ImagesDuDessin(const Journal& journal, int echelle, bool lisse);

  // The frames' size: the journal's canvas at the scale.
  int largeur() const { return largeur_; }
  int hauteur() const { return hauteur_; }

  // Draws once to measure the work; `progres` hears the entries done. Keeps the finished
  // picture when asked (a palette is taken from it). False when `progres` said to stop.
  bool mesurer(const std::function<bool(std::int64_t fait, std::int64_t total)>& progres,
               bool garder_image);
  // The pixels painted after the first canvas; 0 for a journal that draws nothing.
  std::int64_t travail() const { return travail_; }
  // The finished picture kept by mesurer, then given away.
  Bitmap prendre_image_finie() { return std::move(image_finie_); }

  // Draws again, handing `nombre` frames to `recevoir`: the blank canvas, the drawing at
  // even steps of its work, the finished picture last, shown `tenue` more times. False
  // when `continuer` said to stop. mesurer must have run.
  bool filmer(std::int64_t nombre, std::int64_t tenue, const RecevoirImage& recevoir,
              const Continuer& continuer);

 private:
  class Veille;

  std::span<const Entree> entrees_;  // from the last new canvas on
  int echelle_dessin_;               // kFacteurLissage times larger when smoothed
  bool lisse_;
  int largeur_, hauteur_;
  std::int64_t travail_ = 0;
  std::vector<std::int64_t> fins_;  // the work done at each entry's end
  Bitmap image_finie_;
};

}  // namespace orvane
