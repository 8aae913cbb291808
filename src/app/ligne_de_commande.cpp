#include "app/ligne_de_commande.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "film/reglages_film.h"
#include "journal/redessin.h"

namespace orvane {

namespace {

constexpr std::string_view kUsage =
    "Usage : orvane [--help] [--version] [OPTIONS DE QT] [IMAGE]\n"
    "        orvane --render JOURNAL.orvane --scale K --output IMAGE [--smooth]\n"
    "               [--threads N]\n"
    "        orvane --film JOURNAL.orvane --output FILM [--scale K] [--duration S] [--fps N]\n"
    "               [--smooth] [--threads N]\n"
    "        orvane --thumbnail JOURNAL.orvane VIGNETTE.png TAILLE\n";

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
    "Redessiner un journal (le fichier .orvane que « Sauve » écrit à côté de l'image),\n"
    "sans fenêtre :\n"
    "  --render JOURNAL  le journal à redessiner\n"
    "  --scale K         l'échelle, un entier de 1 à 16 : l'image est K fois plus grande\n"
    "  --output IMAGE    l'image écrite ; .png, .bmp, .jpg ou .jpeg en choisit le format\n"
    "  --smooth          lisse les bords : dessinée 4 fois plus grande, puis réduite\n"
    "  --threads N       dessine sur N fils, de 1 à 256 (par défaut, un par cœur)\n"
    "\n"
    "Filmer le dessin d'un journal, trait après trait, sans fenêtre :\n"
    "  --film JOURNAL    le journal à filmer\n"
    "  --output FILM     le film écrit ; .mp4 (H.264), .webm (VP9) ou .gif en choisit\n"
    "                    le format\n"
    "  --scale K         l'échelle, de 1 à 16 (1 par défaut)\n"
    "  --duration S      la durée du dessin en secondes, de 1 à 600 (20 par défaut), suivie\n"
    "                    de 3 secondes de l'image finie\n"
    "  --fps N           les images par seconde, de 1 à 60 (30 par défaut)\n"
    "  --smooth          lisse les bords, comme pour --render\n"
    "  --threads N       code sur N fils, de 1 à 256 (par défaut, un par cœur) ; les images\n"
    "                    sont dessinées sur un fil de plus\n"
    "\n"
    "  --thumbnail JOURNAL VIGNETTE TAILLE\n"
    "                    écrit en PNG l'image du journal réduite à TAILLE x TAILLE pixels\n"
    "                    au plus, comme un gestionnaire de fichiers la montre\n"
    "\n"
    "Options de Qt reconnues : -display ÉCRAN, -platform NOM, -platformtheme NOM,\n"
    "-plugin NOM, -style STYLE, -stylesheet FICHIER, -qwindowtitle TITRE (ou -title),\n"
    "-qwindowicon ICÔNE (ou -icon), -name NOM, -session ID et -reverse.\n"
    "La fenêtre couvre tout l'écran : -geometry et -qwindowgeometry sont refusées.\n"
    "\n"
    "Lancé depuis son répertoire de construction ou un dossier copié, Orvane garde ses\n"
    "réglages (orvane.prm) et ses instantanés (~100.bmp .. ~109.bmp) à côté du programme.\n"
    "Installé, il garde ses réglages dans ~/.config/Orvane, ses instantanés dans\n"
    "~/.local/share/Orvane et enregistre d'abord dans le répertoire des images.\n"
    "Voir aussi man orvane.\n";

// The toolkit's options that make sense for Orvane and take a value; the toolkit reads them
// itself, with one dash or two.
constexpr std::array<std::string_view, 12> kOptionsQtAvecValeur = {
    "platform", "platformtheme", "plugin", "display", "style",  "stylesheet",
    "qwindowtitle", "title", "qwindowicon", "icon", "name", "session",
};
// Those the toolkit also reads as -style=NAME.
constexpr std::array<std::string_view, 2> kOptionsQtEgal = {"style", "stylesheet"};
constexpr std::array<std::string_view, 1> kOptionsQtSeules = {"reverse"};
// A window's place and size: the window covers its screen, so they could only be ignored.
constexpr std::array<std::string_view, 2> kOptionsQtGeometrie = {"geometry", "qwindowgeometry"};

// The option's name without its one or two dashes.
std::string_view nom_option(std::string_view argument) {
  argument.remove_prefix(1);
  if (argument.starts_with('-')) argument.remove_prefix(1);
  return argument;
}

bool parmi(std::string_view nom, const auto& noms) {
  return std::find(noms.begin(), noms.end(), nom) != noms.end();
}

bool option_qt_egal(std::string_view argument) {
  const std::string_view nom = nom_option(argument);
  const std::size_t egal = nom.find('=');
  return egal != std::string_view::npos && parmi(nom.substr(0, egal), kOptionsQtEgal);
}

DemandeLigne fin(int statut) {
  DemandeLigne demande;
  demande.fin = statut;
  return demande;
}

DemandeLigne erreur(std::ostream& erreurs, std::string_view phrase) {
  erreurs << "orvane : " << phrase << "\n" << kUsage;
  return fin(2);
}

// A mistake in a re-drawing's or a thumbnail's options: one sentence, status 1.
DemandeLigne erreur_rendu(std::ostream& erreurs, std::string_view phrase) {
  erreurs << "orvane : " << phrase << "\n";
  return fin(1);
}

// The re-drawing's options that take a value, as "--scale 4" or "--scale=4".
constexpr std::array<std::string_view, 4> kOptionsRendu = {"--render", "--scale", "--output",
                                                           "--threads"};
// The film's own options that take a value.
constexpr std::array<std::string_view, 3> kOptionsFilm = {"--film", "--duration", "--fps"};

// An integer from `min` to `max`, the whole text.
std::optional<int> entier_lu(std::string_view texte, int min, int max) {
  int valeur = 0;
  const auto [bout, code] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  if (code != std::errc() || bout != texte.data() + texte.size()) return std::nullopt;
  if (valeur < min || valeur > max) return std::nullopt;
  return valeur;
}

std::optional<int> nombre_de_fils(std::string_view texte) {
  return entier_lu(texte, kFilsMin, kFilsMax);
}

std::string refus_fils(const std::string& texte) {
  return "Le nombre de fils « " + texte + " » n'est pas un entier de " +
         std::to_string(kFilsMin) + " à " + std::to_string(kFilsMax) + ".";
}

// The re-drawing asked for, once every option is read.
DemandeLigne demande_rendu(const DemandeLigne& lue, const std::optional<std::string>& journal,
                           const std::optional<std::string>& echelle,
                           const std::optional<std::string>& sortie, bool lisse,
                           const std::optional<std::string>& fils, std::ostream& erreurs) {
  if (!journal)
    return erreur_rendu(erreurs, "Les options --scale, --output, --smooth et --threads ne "
                                 "servent qu'avec --render JOURNAL.orvane.");
  if (!echelle)
    return erreur_rendu(erreurs, "Il manque l'échelle du redessin : --scale K, de 1 à 16.");
  if (!sortie)
    return erreur_rendu(erreurs, "Il manque l'image à écrire : --output IMAGE.");
  if (!lue.image.empty())
    return erreur_rendu(erreurs, "Avec --render, « " + lue.image + " » est de trop.");
  const std::optional<int> k = entier_lu(*echelle, kEchelleMin, kEchelleMax);
  if (!k)
    return erreur_rendu(erreurs, "L'échelle « " + *echelle + " » n'est pas un entier de 1 à 16.");
  const std::optional<int> n = fils ? nombre_de_fils(*fils) : fils_par_defaut();
  if (!n) return erreur_rendu(erreurs, refus_fils(*fils));
  DemandeLigne demande;
  demande.rendu = DemandeRendu{*journal, *sortie, *k, lisse, *n};
  return demande;
}

// The film asked for, once every option is read.
DemandeLigne demande_film(const DemandeLigne& lue, const std::string& journal,
                          const std::optional<std::string>& echelle,
                          const std::optional<std::string>& sortie,
                          const std::optional<std::string>& duree,
                          const std::optional<std::string>& images, bool lisse,
                          const std::optional<std::string>& fils, std::ostream& erreurs) {
  if (!sortie) return erreur_rendu(erreurs, "Il manque le film à écrire : --output FILM.");
  if (!lue.image.empty())
    return erreur_rendu(erreurs, "Avec --film, « " + lue.image + " » est de trop.");
  DemandeFilm film{journal, *sortie, 1, kDureeFilmDefaut, kImagesParSecondeDefaut, lisse};
  if (echelle) {
    const std::optional<int> k = entier_lu(*echelle, kEchelleMin, kEchelleMax);
    if (!k)
      return erreur_rendu(erreurs,
                          "L'échelle « " + *echelle + " » n'est pas un entier de 1 à 16.");
    film.echelle = *k;
  }
  if (duree) {
    const std::optional<int> s = entier_lu(*duree, kDureeFilmMin, kDureeFilmMax);
    if (!s)
      return erreur_rendu(erreurs, "La durée « " + *duree + " » n'est pas un entier de " +
                                       std::to_string(kDureeFilmMin) + " à " +
                                       std::to_string(kDureeFilmMax) + " secondes.");
    film.duree = *s;
  }
  if (images) {
    const std::optional<int> n = entier_lu(*images, kImagesParSecondeMin, kImagesParSecondeMax);
    if (!n)
      return erreur_rendu(erreurs, "Le nombre d'images par seconde « " + *images +
                                       " » n'est pas un entier de " +
                                       std::to_string(kImagesParSecondeMin) + " à " +
                                       std::to_string(kImagesParSecondeMax) + ".");
    film.images_par_seconde = *n;
  }
  if (fils) {
    const std::optional<int> n = nombre_de_fils(*fils);
    if (!n) return erreur_rendu(erreurs, refus_fils(*fils));
    film.fils = *n;
  }
  DemandeLigne demande;
  demande.film = film;
  return demande;
}

// The thumbnail asked for, once every option is read: nothing else may come with it.
DemandeLigne demande_vignette(const DemandeLigne& lue, const DemandeVignette& vignette,
                              const std::string& taille, bool rendu, std::ostream& erreurs) {
  if (rendu)
    return erreur_rendu(erreurs, "Les options --render, --scale, --output, --smooth et "
                                 "--threads ne servent pas avec --thumbnail.");
  if (!lue.image.empty())
    return erreur_rendu(erreurs, "Avec --thumbnail, « " + lue.image + " » est de trop.");
  const std::optional<int> cote = entier_lu(taille, 1, kTailleVignetteMax);
  if (!cote)
    return erreur_rendu(erreurs, "La taille « " + taille + " » n'est pas un entier de 1 à " +
                                     std::to_string(kTailleVignetteMax) + ".");
  DemandeLigne demande;
  demande.vignette = vignette;
  demande.vignette->taille = *cote;
  return demande;
}

}  // namespace

DemandeLigne lire_ligne_de_commande(int argc, const char* const* argv, std::ostream& sortie,
                                    std::ostream& erreurs) {
  DemandeLigne demande;
  std::optional<std::string> journal, echelle, image_sortie, fils, film, duree, images;
  std::optional<DemandeVignette> vignette;
  std::string taille_vignette;
  bool lisse = false;
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
    const std::string_view nom = argument.substr(0, argument.find('='));
    if (parmi(nom, kOptionsRendu)) {
      std::string valeur;
      if (nom.size() < argument.size()) {
        valeur = argument.substr(nom.size() + 1);
      } else if (i + 1 < argc) {
        valeur = argv[++i];
      } else {
        return erreur_rendu(erreurs, "L'option « " + std::string(nom) + " » attend une valeur.");
      }
      (nom == "--render"  ? journal
       : nom == "--scale" ? echelle
       : nom == "--output" ? image_sortie
                           : fils) = valeur;
    } else if (parmi(nom, kOptionsFilm)) {
      if (nom.size() < argument.size()) {
        (nom == "--film" ? film : nom == "--duration" ? duree : images) =
            std::string(argument.substr(nom.size() + 1));
      } else if (i + 1 < argc) {
        (nom == "--film" ? film : nom == "--duration" ? duree : images) = argv[++i];
      } else {
        return erreur_rendu(erreurs, "L'option « " + std::string(nom) + " » attend une valeur.");
      }
    } else if (argument == "--thumbnail") {
      if (i + 3 >= argc)
        return erreur_rendu(erreurs, "L'option « --thumbnail » attend le journal, la vignette "
                                     "à écrire et sa taille.");
      vignette = DemandeVignette{argv[i + 1], argv[i + 2], 0};
      taille_vignette = argv[i + 3];
      i += 3;
    } else if (argument == "--smooth") {
      lisse = true;
    } else if (argument == "--") {
      options_finies = true;
    } else if (argument == "--help" || argument == "-h") {
      sortie << kUsage << kAide;
      return fin(0);
    } else if (argument == "--version" || argument == "-v") {
      sortie << "Orvane " ORVANE_VERSION "\n";
      return fin(0);
    } else if (parmi(nom_option(argument), kOptionsQtAvecValeur)) {
      if (i + 1 >= argc)
        return erreur(erreurs, "L'option « " + std::string(argument) + " » attend une valeur.");
      ++i;
    } else if (parmi(nom_option(argument), kOptionsQtGeometrie)) {
      return erreur(erreurs, "La fenêtre d'Orvane couvre tout l'écran : l'option « " +
                                 std::string(argument) + " » ne s'y applique pas.");
    } else if (!option_qt_egal(argument) && !parmi(nom_option(argument), kOptionsQtSeules)) {
      return erreur(erreurs, "Option inconnue : « " + std::string(argument) + " ».");
    }
  }
  const bool rendu = journal || echelle || image_sortie || lisse || fils;
  if (film || duree || images) {
    if (vignette || journal)
      return erreur_rendu(erreurs, "L'option --film ne va ni avec --render ni avec --thumbnail.");
    if (!film)
      return erreur_rendu(erreurs, "Les options --duration et --fps ne servent qu'avec --film "
                                   "JOURNAL.orvane.");
    return demande_film(demande, *film, echelle, image_sortie, duree, images, lisse, fils,
                        erreurs);
  }
  if (vignette) return demande_vignette(demande, *vignette, taille_vignette, rendu, erreurs);
  if (rendu)
    return demande_rendu(demande, journal, echelle, image_sortie, lisse, fils, erreurs);
  return demande;
}

}  // namespace orvane
