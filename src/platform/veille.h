#pragma once

#include <cstdint>

namespace orvane {

// Thrown by a watch to stop a drawing where it stands; the canvas is then half drawn and
// only fit to be thrown away.
struct DessinInterrompu {};

// Watches over a long drawing from inside the engine's loops, so that a re-drawing can stop
// and show its progress within one heavy stroke or fill. The loops report the pixels they
// went over and the parts of a stroke they finished; every so often the watch looks
// outside and may throw DessinInterrompu. The screen's drawings have none: their loops
// test a null pointer and go on.
class Veille {
 public:
  // Pixels between two looks: about a millisecond of painting.
  static constexpr std::int64_t kPixelsEntreRegards = std::int64_t{1} << 20;
  // Parts of a stroke between two looks.
  static constexpr int kPartiesEntreRegards = 16;

  Veille() = default;
  // A watch that looks every `pixels_entre_regards` pixels (at least one).
  explicit Veille(std::int64_t pixels_entre_regards)
      : entre_regards_(pixels_entre_regards > 0 ? pixels_entre_regards : 1),
        pixels_restants_(entre_regards_) {}
  virtual ~Veille() = default;

  void pixels(std::int64_t n) {
    pixels_restants_ -= n;
    if (pixels_restants_ <= 0) regarder_maintenant();
  }
  void partie_faite() {
    ++parties_;
    if (--parties_restantes_ <= 0) regarder_maintenant();
  }

 protected:
  // The parts finished since the current piece of work began.
  std::int64_t parties() const { return parties_; }
  void nouveau_travail() { parties_ = 0; }
  // The pixels reported since the watch was made.
  std::int64_t pixels_vus() const { return pixels_avant_ + entre_regards_ - pixels_restants_; }
  // Reports the progress and throws DessinInterrompu when asked to stop.
  virtual void regarder() = 0;

 private:
  void regarder_maintenant() {
    pixels_avant_ += entre_regards_ - pixels_restants_;
    pixels_restants_ = entre_regards_;
    parties_restantes_ = kPartiesEntreRegards;
    regarder();
  }

  std::int64_t entre_regards_ = kPixelsEntreRegards;
  std::int64_t pixels_restants_ = kPixelsEntreRegards;
  std::int64_t pixels_avant_ = 0;  // those of the pixels told before the last look
  int parties_restantes_ = kPartiesEntreRegards;
  std::int64_t parties_ = 0;
};

// The loops' one line: nothing when no one watches.
inline void veiller_pixels(Veille* veille, std::int64_t n) {
  if (veille != nullptr) veille->pixels(n);
}

}  // namespace orvane
