#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "film/format_film.h"
#include "platform/bitmap.h"

struct AVFrame;

namespace orvane {

// A frame converted for the codec (4:2:0 or paletted), ready to encode.
class TrameFilm {
 public:
  TrameFilm();
  explicit TrameFilm(AVFrame* trame);
  TrameFilm(TrameFilm&&) noexcept;
  TrameFilm& operator=(TrameFilm&&) noexcept;
  ~TrameFilm();
  AVFrame* trame() const { return trame_; }

 private:
  AVFrame* trame_ = nullptr;
};

// A film file written with FFmpeg's libraries: H.264 in MP4 (4:2:0, index first, for
// browsers and phones), VP9 in WebM, or a GIF whose palette comes from the finished
// picture. The file appears only when finir succeeds: a failure, a stop or a kill leaves
// nothing, not even a hidden file. Failures throw ErreurFichier with a French sentence,
// std::bad_alloc when memory runs short.
class EncodeurFilm {
 public:
  // Frames of `largeur` x `hauteur` pixels (the sides cote_code gives), `images_par_seconde`;
  // smaller pictures are padded with `fond`. `image_finie` gives a GIF its palette. The codec
  // takes `fils` threads, one per core for 0.
  EncodeurFilm(const QString& chemin, FormatFilm format, int largeur, int hauteur,
               int images_par_seconde, Colour fond, const Bitmap& image_finie, int fils = 0);
  ~EncodeurFilm();
  EncodeurFilm(const EncodeurFilm&) = delete;
  EncodeurFilm& operator=(const EncodeurFilm&) = delete;

  // `image` converted for the codec: on the drawing's thread, while the encoder's works.
  TrameFilm convertir(const Bitmap& image);
  // Encodes the frame shown `fois` times in a row; `continuer` is asked after each and may
  // stop it (false then). On the encoder's thread.
  bool ajouter(const TrameFilm& trame, std::int64_t fois, const std::function<bool()>& continuer);
  // Encodes what the codec holds back, ends the file and puts it in place.
  void finir();

 private:
  struct Etat;
  std::unique_ptr<Etat> etat_;
};

}  // namespace orvane
