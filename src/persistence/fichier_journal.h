#pragma once

#include <QString>

#include "journal/journal.h"
#include "persistence/erreur_fichier.h"

namespace orvane {

// Reads an .orvane file. Throws ErreurFichier, a French sentence naming the file and the
// cause, when it is missing, not a journal, of another version, damaged or cut short.
Journal lire_journal(const QString& chemin);

// Whether the file at `chemin` is to be read as a journal: its name ends in .orvane or its
// first bytes are a journal's. Nothing but a regular file is opened.
bool est_journal(const QString& chemin);

// The journal's name beside a picture: image.bmp gives image.orvane.
QString chemin_journal_de(const QString& chemin_image);

// Writes the journal, replacing the file atomically; throws ErreurFichier on failure.
void ecrire_journal(const QString& chemin, const Journal& journal);

}  // namespace orvane
