#include "journal/journal.h"

#include <utility>

namespace orvane {

Journal::Journal(std::vector<Entree> entrees) : entrees_(std::move(entrees)) {
  trouver_derniere_toile();
}

void Journal::trouver_derniere_toile() {
  derniere_toile_ = -1;
  for (std::size_t i = entrees_.size(); i-- > 0;) {
    if (std::holds_alternative<EntreeToile>(entrees_[i])) {
      derniere_toile_ = static_cast<std::ptrdiff_t>(i);
      return;
    }
  }
}

int Journal::largeur() const {
  if (derniere_toile_ < 0) return 0;
  return std::get<EntreeToile>(entrees_[static_cast<std::size_t>(derniere_toile_)]).largeur;
}

int Journal::hauteur() const {
  if (derniere_toile_ < 0) return 0;
  return std::get<EntreeToile>(entrees_[static_cast<std::size_t>(derniere_toile_)]).hauteur;
}

void Journal::ajouter(Entree entree) {
  if (std::holds_alternative<EntreeToile>(entree)) {
    derniere_toile_ = static_cast<std::ptrdiff_t>(entrees_.size());
  }
  entrees_.push_back(std::move(entree));
}

void Journal::tronquer(std::size_t n) {
  if (n >= entrees_.size()) return;
  entrees_.erase(entrees_.begin() + static_cast<std::ptrdiff_t>(n), entrees_.end());
  if (derniere_toile_ >= static_cast<std::ptrdiff_t>(n)) trouver_derniere_toile();
}

Journal Journal::essentiel() const { return essentiel(entrees_.size()); }

Journal Journal::essentiel(std::size_t n) const {
  n = std::min(n, entrees_.size());
  std::ptrdiff_t toile = -1;
  for (std::size_t i = n; i-- > 0;) {
    if (std::holds_alternative<EntreeToile>(entrees_[i])) {
      toile = static_cast<std::ptrdiff_t>(i);
      break;
    }
  }
  if (toile < 0) return Journal(std::vector<Entree>(entrees_.begin(), entrees_.begin() + n));
  const auto& t = std::get<EntreeToile>(entrees_[static_cast<std::size_t>(toile)]);
  std::size_t debut = static_cast<std::size_t>(toile) + 1;
  for (std::size_t i = n; i-- > debut;) {
    if (couvre_toile(entrees_[i], t.largeur, t.hauteur)) {
      debut = i;
      break;
    }
  }
  std::vector<Entree> gardees{t};
  gardees.insert(gardees.end(), entrees_.begin() + static_cast<std::ptrdiff_t>(debut),
                 entrees_.begin() + static_cast<std::ptrdiff_t>(n));
  return Journal(std::move(gardees));
}

}  // namespace orvane
