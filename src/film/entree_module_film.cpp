#include "film/module_film.h"

// The module's one entry, found by name once it is loaded.
extern "C" __attribute__((visibility("default"))) const orvane::ModuleFilm* orvane_module_film() {
  static const orvane::ModuleFilm module{orvane::kVersionModuleFilm, &orvane::faire_film};
  return &module;
}
