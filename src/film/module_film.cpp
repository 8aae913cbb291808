#include "film/module_film.h"

#include <dlfcn.h>

#include <filesystem>
#include <mutex>
#include <new>
#include <vector>

#include "persistence/erreur_fichier.h"

namespace orvane {

namespace {

std::mutex& verrou() {
  static std::mutex v;
  return v;
}

std::string& chemin_situe() {
  static std::string chemin;
  return chemin;
}

// Where the module may lie: where it was said to, beside the program (its build
// directory), then where the program's installation puts it.
std::vector<std::filesystem::path> emplacements() {
  std::vector<std::filesystem::path> chemins;
  if (!chemin_situe().empty()) chemins.emplace_back(chemin_situe());
  std::error_code erreur;
  const std::filesystem::path programme = std::filesystem::read_symlink("/proc/self/exe", erreur);
  if (!erreur) {
    chemins.push_back(programme.parent_path() / kFichierModuleFilm);
    chemins.push_back(programme.parent_path() / ORVANE_MODULE_FILM_INSTALLE);
  }
  return chemins;
}

[[noreturn]] void refuser(const std::string& cause) {
  throw ErreurFichier("Les films ne peuvent pas être faits : " + cause + ".");
}

const ModuleFilm& charger() {
  const std::lock_guard<std::mutex> garde(verrou());
  static const ModuleFilm* module = nullptr;
  if (module != nullptr) return *module;
  for (const std::filesystem::path& chemin : emplacements()) {
    std::error_code erreur;
    if (!std::filesystem::is_regular_file(chemin, erreur)) continue;
    void* bibliotheque = dlopen(chemin.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (bibliotheque == nullptr) {
      const char* raison = dlerror();
      const std::string texte = raison != nullptr ? raison : "raison inconnue";
      // Short memory shows as a library that cannot be mapped.
      if (texte.find("Cannot allocate memory") != std::string::npos ||
          texte.find("failed to map segment") != std::string::npos)
        throw std::bad_alloc();
      refuser("le module « " + chemin.string() + " » ne se charge pas (" + texte + ")");
    }
    using Entree = const ModuleFilm* (*)();
    const auto entree = reinterpret_cast<Entree>(dlsym(bibliotheque, kEntreeModuleFilm));
    const ModuleFilm* trouve = entree != nullptr ? entree() : nullptr;
    if (trouve == nullptr || trouve->version != kVersionModuleFilm) {
      dlclose(bibliotheque);
      refuser("le module « " + chemin.string() + " » n'est pas celui de ce programme");
    }
    module = trouve;
    return *module;
  }
  refuser(std::string("le module « ") + kFichierModuleFilm + " » est introuvable");
}

}  // namespace

IssueFilm filmer(const Journal& journal, const QString& sortie, const ReglagesFilm& reglages,
                 const ProgresFilm& progres) {
  return charger().faire(journal, sortie, reglages, progres);
}

void situer_module_film(std::string chemin) {
  const std::lock_guard<std::mutex> garde(verrou());
  chemin_situe() = std::move(chemin);
}

}  // namespace orvane
