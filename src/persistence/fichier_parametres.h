#pragma once

#include <QString>
#include <map>

#include "persistence/erreur_fichier.h"

namespace orvane {

// The settings file: a text file addressed by line number (counted from 1), each line ended
// by CR LF, always written with max_parametre lines.
inline constexpr int max_parametre = 20;
// A longer line, in bytes, is a bad line: never read into memory, never shown.
inline constexpr qsizetype kLongueurLigneMax = 4096;

// Line n of the file, or empty when the file does not exist or ends before it. A line ends
// at CR LF, CR or LF. Throws ErreurFichier when the file exists but cannot be read, is not
// a regular file, or when line n is longer than kLongueurLigneMax (the message gives its
// number, none of its text).
QString lire_ligne(const QString& chemin, int n);

// lire_ligne, or `defaut` when that is empty.
QString lire_parametre(const QString& chemin, int n, const QString& defaut);

// Makes line n equal to `valeur`, keeping lines 1 to max_parametre of the file as they are.
void ecrire_parametre(const QString& valeur, const QString& chemin, int n);

// The same for several lines at once, in one replacement of the file: it is read once and
// written once, atomically, so an interrupted write leaves the previous file whole. Throws
// ErreurFichier when it cannot be read or written (the previous file then stays as it was),
// and before touching anything for a line number outside 1 .. max_parametre or a value
// longer than kLongueurLigneMax. A line of the file too long to read is written back empty.
void ecrire_parametres(const std::map<int, QString>& valeurs, const QString& chemin);

QString bool_en_texte(bool b);
// True exactly for "true": "True", "1" or the default "0" read as false.
bool texte_en_bool(const QString& s);

}  // namespace orvane
