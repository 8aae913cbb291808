#pragma once

#include <QString>
#include <string>

#include "film/faire_film.h"

namespace orvane {

// FFmpeg's libraries bring a hundred others, whose loading would cost every start of the
// program. The film's drawing and encoding live in a module loaded at the first film.

// What the module gives; `version` tells a module built with another program from ours.
struct ModuleFilm {
  int version;
  IssueFilm (*faire)(const Journal& journal, const QString& sortie, const ReglagesFilm& reglages,
                     const ProgresFilm& progres);
};
inline constexpr int kVersionModuleFilm = 2;
// The module's file, and the function it gives itself by.
inline constexpr char kFichierModuleFilm[] = "orvane_module_film.so";
inline constexpr char kEntreeModuleFilm[] = "orvane_module_film";

// faire_film through the module, loaded at the first call. Throws ErreurFichier when the
// module is missing or unfit, std::bad_alloc when memory is too short to load it.
IssueFilm filmer(const Journal& journal, const QString& sortie, const ReglagesFilm& reglages,
                 const ProgresFilm& progres);

// The module's path for a program that does not lie beside it, as the tests'.
void situer_module_film(std::string chemin);

}  // namespace orvane
