#include "app/echec_commande.h"

namespace orvane {

int echec_commande(std::ostream& erreurs, const std::string& phrase) {
  erreurs << "orvane : " << phrase << "\n";
  return 1;
}

}  // namespace orvane
