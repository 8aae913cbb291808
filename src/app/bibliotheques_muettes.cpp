#include "app/bibliotheques_muettes.h"

namespace orvane {

BibliothequesMuettes::BibliothequesMuettes()
    : avant_(stderr), muet_(std::fopen("/dev/null", "w")) {
  if (muet_ == nullptr) return;
  // Unbuffered, a line written there leaves errno as the failed allocation set it.
  std::setvbuf(muet_, nullptr, _IONBF, 0);
  stderr = muet_;
}

BibliothequesMuettes::~BibliothequesMuettes() {
  if (muet_ == nullptr) return;
  stderr = avant_;
  std::fclose(muet_);
}

}  // namespace orvane
