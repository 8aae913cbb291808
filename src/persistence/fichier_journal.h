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

// The journal's name beside a picture: the picture's whole name and .orvane, so that
// image.png and image.jpg never share one (image.png gives image.png.orvane).
QString chemin_journal_de(const QString& chemin_image);

// The journal "Sauve" wrote for the picture, if one lies beside it: its own name first,
// else the name earlier versions gave it (image.png gave image.orvane), which pictures of
// one base name shared: that one is taken only if it was written after the picture and no
// other picture of that base name was saved between them. Empty when there is none. Only
// a re-drawing tells whether it draws exactly the picture.
QString journal_de_l_image(const QString& chemin_image);

// Writes the journal, replacing the file atomically; throws ErreurFichier on failure.
void ecrire_journal(const QString& chemin, const Journal& journal);

// The picture at `chemin_image` was saved but its journal could not be written (`echec`,
// a French sentence): an earlier picture's journal left under its name is removed, for it
// would draw another figure. Returns the message that says so and what was kept.
QString retirer_journal_perime(const QString& chemin_image, const QString& echec);

}  // namespace orvane
