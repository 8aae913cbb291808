#pragma once

#include <QString>
#include <functional>
#include <ostream>

#include "app/ligne_de_commande.h"
#include "journal/journal.h"

namespace orvane {

// How a journal file is read; throws ErreurFichier for a file it refuses.
using LectureJournal = std::function<Journal(const QString& chemin)>;

// orvane --film: films the journal's drawing without a window, its progress on `erreurs`
// (rewritten in place when `terminal`). Returns the exit status: 0, or 1 after one sentence
// on `erreurs`, no file then written.
int filmer_en_commande(const DemandeFilm& demande, const LectureJournal& lire,
                       std::ostream& erreurs, bool terminal);

}  // namespace orvane
