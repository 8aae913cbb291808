#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "film/format_film.h"
#include "platform/bitmap.h"

namespace orvane {

// A film file written with FFmpeg's libraries: H.264 in MP4 (4:2:0, index first, for
// browsers and phones), VP9 in WebM, or a GIF whose palette comes from the finished
// picture. The file appears only when finir succeeds: a failure, a stop or a kill leaves
// nothing, not even a hidden file. Failures throw ErreurFichier with a French sentence.
class EncodeurFilm {
 public:
  // Frames of `largeur` x `hauteur` pixels (the sides cote_code gives), `images_par_seconde`.
  // `image_finie` gives a GIF its palette.
  EncodeurFilm(const QString& chemin, FormatFilm format, int largeur, int hauteur,
               int images_par_seconde, const Bitmap& image_finie);
  ~EncodeurFilm();
  EncodeurFilm(const EncodeurFilm&) = delete;
  EncodeurFilm& operator=(const EncodeurFilm&) = delete;

  // Encodes `image` (of the size given) shown `fois` times in a row; `continuer` is asked
  // after each frame and may stop it (false then).
  bool ajouter(const Bitmap& image, std::int64_t fois, const std::function<bool()>& continuer);
  // Encodes what the codec holds back, ends the file and puts it in place.
  void finir();

 private:
  struct Etat;
  std::unique_ptr<Etat> etat_;
};

}  // namespace orvane
