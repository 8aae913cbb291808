#pragma once

#include <cstdint>

namespace orvane {

// What a film asks for, with its bounds and defaults.
inline constexpr int kDureeFilmMin = 1;
inline constexpr int kDureeFilmMax = 600;
inline constexpr int kDureeFilmDefaut = 20;
inline constexpr int kImagesParSecondeMin = 1;
inline constexpr int kImagesParSecondeMax = 60;
inline constexpr int kImagesParSecondeDefaut = 30;
// The finished picture is held this long after the drawing.
inline constexpr int kSecondesTenue = 3;

struct ReglagesFilm {
  int echelle = 1;
  bool lisse = false;
  int duree = kDureeFilmDefaut;  // seconds of drawing, before the hold
  int images_par_seconde = kImagesParSecondeDefaut;
  // Threads the encoder takes; 0, one per core. The frames are drawn on one more.
  int fils_codage = 0;

  std::int64_t images_dessin() const { return std::int64_t{duree} * images_par_seconde; }
  std::int64_t images_tenue() const { return std::int64_t{kSecondesTenue} * images_par_seconde; }
};

}  // namespace orvane
