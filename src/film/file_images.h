#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

#include "film/encodeur_film.h"

namespace orvane {

// A frame on its way to the encoder, and how many times in a row it is shown.
struct ImageFilm {
  TrameFilm trame;
  std::int64_t fois = 1;
};

// Frames handed from the drawing thread to the encoder's, a few at most, so that memory
// stays a few frames whatever the film's length.
class FileImages {
 public:
  explicit FileImages(std::size_t capacite) : capacite_(capacite) {}

  // Waits for room, asking `patienter` every so often (false gives up). False when given up
  // or when the encoder stopped taking frames.
  bool deposer(ImageFilm image, const std::function<bool()>& patienter);
  // No more frames will come.
  void terminer();
  // The next frame; nothing once all were taken after terminer, or after fermer.
  std::optional<ImageFilm> retirer();
  // The encoder takes no more frames (it is done, failed or was stopped).
  void fermer();
  bool fermee() const;
  // Waits up to `delai` for fermer; true once closed.
  bool attendre_fermeture(std::chrono::milliseconds delai);

 private:
  const std::size_t capacite_;
  mutable std::mutex verrou_;
  std::condition_variable change_;
  std::deque<ImageFilm> images_;
  bool terminee_ = false;
  bool fermee_ = false;
};

}  // namespace orvane
