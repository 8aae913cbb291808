#include "film/file_images.h"

#include <utility>

namespace orvane {

namespace {

// How often a waiting drawing looks at its progress and at a stop.
constexpr std::chrono::milliseconds kPatience{40};

}  // namespace

bool FileImages::deposer(ImageFilm image, const std::function<bool()>& patienter) {
  std::unique_lock verrou(verrou_);
  while (!fermee_ && images_.size() >= capacite_) {
    if (change_.wait_for(verrou, kPatience) == std::cv_status::timeout) {
      verrou.unlock();
      const bool encore = !patienter || patienter();
      verrou.lock();
      if (!encore) return false;
    }
  }
  if (fermee_) return false;
  images_.push_back(std::move(image));
  change_.notify_all();
  return true;
}

void FileImages::terminer() {
  const std::lock_guard verrou(verrou_);
  terminee_ = true;
  change_.notify_all();
}

std::optional<ImageFilm> FileImages::retirer() {
  std::unique_lock verrou(verrou_);
  change_.wait(verrou, [this] { return fermee_ || terminee_ || !images_.empty(); });
  if (fermee_ || images_.empty()) return std::nullopt;
  ImageFilm image = std::move(images_.front());
  images_.pop_front();
  change_.notify_all();
  return image;
}

void FileImages::fermer() {
  const std::lock_guard verrou(verrou_);
  fermee_ = true;
  images_.clear();
  change_.notify_all();
}

bool FileImages::fermee() const {
  const std::lock_guard verrou(verrou_);
  return fermee_;
}

bool FileImages::attendre_fermeture(std::chrono::milliseconds delai) {
  std::unique_lock verrou(verrou_);
  return change_.wait_for(verrou, delai, [this] { return fermee_; });
}

}  // namespace orvane
