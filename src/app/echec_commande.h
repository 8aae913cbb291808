#pragma once

#include <ostream>
#include <string>

namespace orvane {

// A command run without a window that fails: its one sentence on `erreurs`, and status 1.
int echec_commande(std::ostream& erreurs, const std::string& phrase);

}  // namespace orvane
