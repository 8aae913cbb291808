#include "app/progres_terminal.h"

#include <algorithm>
#include <utility>

namespace orvane {

ProgresTerminal::ProgresTerminal(std::ostream& flux, bool terminal, std::string libelle)
    : flux_(flux), terminal_(terminal), libelle_(std::move(libelle)) {}

bool ProgresTerminal::operator()(std::int64_t fait, std::int64_t total) {
  const int pourcent =
      total > 0 ? static_cast<int>(std::clamp<std::int64_t>(fait * 100 / total, 0, 100)) : 0;
  const int pas = terminal_ ? 1 : 10;
  if (montre_ >= 0 && pourcent / pas == montre_ / pas) return true;
  montre_ = pourcent;
  if (terminal_) {
    flux_ << '\r' << libelle_ << " : " << pourcent << " %" << std::flush;
    ligne_ouverte_ = true;
  } else {
    flux_ << libelle_ << " : " << pourcent / pas * pas << " %\n" << std::flush;
  }
  return true;
}

void ProgresTerminal::terminer() {
  if (ligne_ouverte_) flux_ << '\n' << std::flush;
  ligne_ouverte_ = false;
}

}  // namespace orvane
