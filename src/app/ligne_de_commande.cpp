#include "app/ligne_de_commande.h"

#include <string_view>

namespace orvane {

namespace {

constexpr std::string_view kAide =
    "Usage : orvane [--help] [--version]\n"
    "\n"
    "Orvane, dessin symétrique plein écran : chaque trait tiré à la souris est répété\n"
    "par la symétrie choisie dans la palette. Sans option, la fenêtre couvre l'écran.\n"
    "\n"
    "  -h, --help     affiche cette aide et quitte\n"
    "  -v, --version  affiche la version et quitte\n"
    "\n"
    "Réglages (orvane.prm) et instantanés (~100.bmp .. ~109.bmp) : à côté du programme,\n"
    "ou, pour un Orvane installé, dans le répertoire de données de l'utilisateur\n"
    "($XDG_DATA_HOME/Orvane, par défaut ~/.local/share/Orvane).\n";

}  // namespace

std::optional<int> repondre_ligne_de_commande(int argc, const char* const* argv,
                                              std::ostream& sortie) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      sortie << kAide;
      return 0;
    }
    if (argument == "--version" || argument == "-v") {
      sortie << "Orvane " ORVANE_VERSION "\n";
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace orvane
