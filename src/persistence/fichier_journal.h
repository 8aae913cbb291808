#pragma once

#include <QString>

#include "journal/journal.h"
#include "persistence/erreur_fichier.h"

namespace orvane {

// Reads an .orvane file. Throws ErreurFichier, a French sentence naming the file and the
// cause, when it is missing, not a journal, of another version, damaged or cut short.
Journal lire_journal(const QString& chemin);

// Writes the journal, replacing the file atomically; throws ErreurFichier on failure.
void ecrire_journal(const QString& chemin, const Journal& journal);

}  // namespace orvane
