#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <utility>

namespace orvane {

// Where Qt calls into Orvane: every handler and control reaction that Qt starts runs through
// a_la_frontiere. An error raised inside ends that handler and is shown in the error box
// once; Qt is not exception-safe, so nothing may unwind through its frames.

// The error box; until one is installed errors go to the log.
void installer_boite_erreur(std::function<void(const QString&)> boite);

// Shows the error now being handled.
void montrer_erreur_courante() noexcept;

template <class F>
void a_la_frontiere(F&& gestionnaire) noexcept {
  try {
    std::forward<F>(gestionnaire)();
  } catch (...) {
    montrer_erreur_courante();
  }
}

}  // namespace orvane
