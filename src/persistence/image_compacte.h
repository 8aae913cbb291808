#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

namespace orvane {

// A picture kept in memory with its runs of one colour folded, so that a canvas of large
// flat areas costs little and unfolds at the speed of a copy. Colours keep their stored
// form (top byte zero); a busy picture takes no more room than its pixels.
class ImageCompacte {
 public:
  ImageCompacte() = default;
  explicit ImageCompacte(const Bitmap& image);

  int width() const { return largeur_; }
  int height() const { return hauteur_; }
  std::size_t octets() const { return mots_.size() * sizeof(std::uint32_t); }

  Bitmap deplier() const;

 private:
  int largeur_ = 0;
  int hauteur_ = 0;
  // Pixels, each followed where it repeats by a word with the top bit set counting the
  // repeats.
  std::vector<std::uint32_t> mots_;
};

}  // namespace orvane
