#pragma once

#include <optional>
#include <ostream>

namespace orvane {

// Answers --help and --version on the terminal before any window is made, so that neither
// needs a display. Returns the exit status when the program must end there; other
// arguments are left to the toolkit.
std::optional<int> repondre_ligne_de_commande(int argc, const char* const* argv,
                                              std::ostream& sortie);

}  // namespace orvane
