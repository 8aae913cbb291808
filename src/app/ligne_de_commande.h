#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "film/reglages_film.h"

namespace orvane {

// A journal re-drawn at a scale into a picture file, without a window.
struct DemandeRendu {
  std::string journal;
  std::string sortie;
  int echelle = 0;
  bool lisse = false;
  int fils = 1;  // threads the drawing takes: every core unless --threads says
};

// A journal's drawing filmed, without a window.
struct DemandeFilm {
  std::string journal;
  std::string sortie;
  int echelle = 1;
  int duree = kDureeFilmDefaut;
  int images_par_seconde = kImagesParSecondeDefaut;
  bool lisse = false;
  int fils = 0;  // threads the encoder takes: 0, one per core, unless --threads says
};

// A journal's picture reduced to fit a square of `taille` pixels, written as PNG: what a
// file manager shows for the journal.
struct DemandeVignette {
  std::string journal;
  std::string sortie;
  int taille = 0;
};

// The largest thumbnail side asked for; file managers ask for 128 to 1024.
inline constexpr int kTailleVignetteMax = 4096;

// What the command line asks for.
struct DemandeLigne {
  std::optional<int> fin;   // the exit status when the program must end at once
  std::string image;        // the picture to paint at start, empty for none
  std::optional<DemandeRendu> rendu;
  std::optional<DemandeFilm> film;
  std::optional<DemandeVignette> vignette;
};

// Reads the command line before any window is made, so that neither --help, --version nor
// a mistake needs a display. --help and --version answer on `sortie`; an unknown option or
// a second picture is told on `erreurs` with the usage (status 2); a mistake in a
// re-drawing's, a film's or a thumbnail's options in one sentence (status 1). The toolkit's own
// options that make sense for a full-screen window (-platform NAME, -display NAME, -style
// NAME, -qwindowtitle TITLE, -reverse, ...) are left to the toolkit; the others, -geometry
// among them, are refused with the usage.
DemandeLigne lire_ligne_de_commande(int argc, const char* const* argv, std::ostream& sortie,
                                    std::ostream& erreurs);

}  // namespace orvane
