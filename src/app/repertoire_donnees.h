#pragma once

#include <QString>

namespace orvane {

// The directory of a program path, without a trailing '/' except for the root.
QString repertoire_de(const QString& chemin_programme);

// The file an installation puts beside its share directory, where a program at this path
// would find it; a build tree or a copied folder does not have it.
QString marque_installation(const QString& chemin_programme);
bool programme_installe(const QString& chemin_programme);

// Where the snapshots live. Run from its build tree or a copied folder, Orvane keeps its
// files beside its executable; installed, it never writes beside a shared binary but in
// the user's data directory, created if missing.
QString repertoire_donnees(const QString& chemin_programme);

// Where the settings file lives: beside the executable, or, installed, in the user's
// configuration directory (~/.config/Orvane), created if missing.
QString repertoire_reglages(const QString& chemin_programme);

// Where the first "Sauve" proposes to save: beside the executable, or, installed, in the
// user's pictures directory (the home directory when there is none).
QString repertoire_images(const QString& chemin_programme);

}  // namespace orvane
