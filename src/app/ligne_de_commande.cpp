#include "app/ligne_de_commande.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace orvane {

namespace {

constexpr std::string_view kUsage = "Usage : orvane [--help] [--version] [IMAGE]\n";

constexpr std::string_view kAide =
    "\n"
    "Orvane, dessin symétrique plein écran : chaque trait tiré à la souris est répété\n"
    "par la symétrie choisie dans la palette. Sans option, la fenêtre couvre l'écran.\n"
    "\n"
    "  IMAGE          image peinte sur la toile au départ, comme par « Ouvrir »\n"
    "  -h, --help     affiche cette aide et quitte\n"
    "  -v, --version  affiche la version et quitte\n"
    "  --             la suite est un nom d'image, même s'il commence par « - »\n"
    "\n"
    "Lancé depuis son répertoire de construction ou un dossier copié, Orvane garde ses\n"
    "réglages (orvane.prm) et ses instantanés (~100.bmp .. ~109.bmp) à côté du programme.\n"
    "Installé, il garde ses réglages dans ~/.config/Orvane, ses instantanés dans\n"
    "~/.local/share/Orvane et enregistre d'abord dans le répertoire des images.\n"
    "Voir aussi man orvane.\n";

// The toolkit's options that take a value; the toolkit reads them itself.
constexpr std::array<std::string_view, 8> kOptionsQtAvecValeur = {
    "platform", "display", "session", "style", "stylesheet", "name", "platformtheme", "plugin",
};
constexpr std::array<std::string_view, 2> kOptionsQtSeules = {"reverse", "sync"};

// The option's name without its one or two dashes.
std::string_view nom_option(std::string_view argument) {
  argument.remove_prefix(1);
  if (argument.starts_with('-')) argument.remove_prefix(1);
  return argument;
}

bool parmi(std::string_view nom, const auto& noms) {
  return std::find(noms.begin(), noms.end(), nom) != noms.end();
}

DemandeLigne erreur(std::ostream& erreurs, std::string_view phrase) {
  erreurs << "orvane : " << phrase << "\n" << kUsage;
  return {2, {}};
}

}  // namespace

DemandeLigne lire_ligne_de_commande(int argc, const char* const* argv, std::ostream& sortie,
                                    std::ostream& erreurs) {
  DemandeLigne demande;
  bool options_finies = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const bool option = !options_finies && argument.size() > 1 && argument.starts_with('-');
    if (!option) {
      if (!demande.image.empty())
        return erreur(erreurs, "Orvane n'ouvre qu'une image à la fois.");
      demande.image = argument;
      continue;
    }
    if (argument == "--") {
      options_finies = true;
    } else if (argument == "--help" || argument == "-h") {
      sortie << kUsage << kAide;
      return {0, {}};
    } else if (argument == "--version" || argument == "-v") {
      sortie << "Orvane " ORVANE_VERSION "\n";
      return {0, {}};
    } else if (parmi(nom_option(argument), kOptionsQtAvecValeur)) {
      if (i + 1 >= argc)
        return erreur(erreurs, "L'option « " + std::string(argument) + " » attend une valeur.");
      ++i;
    } else if (!parmi(nom_option(argument), kOptionsQtSeules)) {
      return erreur(erreurs, "Option inconnue : « " + std::string(argument) + " ».");
    }
  }
  return demande;
}

}  // namespace orvane
