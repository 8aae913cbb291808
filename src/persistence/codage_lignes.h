#pragma once

#include <cstdint>
#include <exception>
#include <functional>

#include "persistence/ecriture_atomique.h"
#include "platform/bitmap.h"

namespace orvane {

// The picture's rows written so far out of all of them; returns false to stop.
using ProgresEcriture = std::function<bool(std::int64_t lignes, std::int64_t total)>;

// How an encoding ended: every row written, stopped by the progress, short of memory, the
// encoder's own failure, or the file's (its cause in the EcritureAtomique).
enum class IssueCodage { Finie, Arretee, MemoireManquante, Echouee, EcritureEchouee };

// The encoders write the bitmap's own rows one at a time, with no copy of the picture, and
// tell each row done.
IssueCodage coder_png(const Bitmap& image, EcritureAtomique& fichier, const ProgresEcriture& progres);
IssueCodage coder_jpeg(const Bitmap& image, EcritureAtomique& fichier,
                       const ProgresEcriture& progres);
// An uncompressed 24-bit BMP, bottom row first.
IssueCodage coder_bmp(const Bitmap& image, EcritureAtomique& fichier, const ProgresEcriture& progres);

// The rows' count for the encoders: the progress is called with no exception let through
// the C libraries' frames; one raised is kept, to be raised again once the encoder is out.
class CompteLignes {
 public:
  CompteLignes(const ProgresEcriture& progres, std::int64_t total)
      : progres_(progres), total_(total) {}
  // One more row; false to stop.
  bool ligne_faite() noexcept {
    try {
      return progres_(++faites_, total_);
    } catch (...) {
      erreur_ = std::current_exception();
      return false;
    }
  }
  void relancer() const {
    if (erreur_) std::rethrow_exception(erreur_);
  }

 private:
  const ProgresEcriture& progres_;
  std::int64_t total_;
  std::int64_t faites_ = 0;
  std::exception_ptr erreur_;
};

}  // namespace orvane
