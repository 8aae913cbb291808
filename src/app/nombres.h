#pragma once

#include <QChar>
#include <QString>
#include <stdexcept>

namespace orvane {

// A text that is not a decimal integer: shown by the error box, the handler ends.
class ErreurConversion : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

QString sans_espaces_fin(const QString& s);
// Keeps the last character, so a text of spaces only keeps one space.
QString sans_espaces_debut(const QString& s);
QString sans_espaces(const QString& s);

// The user's decimal separator.
QChar separateur_decimal();

// The characters of a number taken out of s, with d as the decimal separator.
QString filtre_nombre(const QString& s, QChar d);
QString filtre_nombre(const QString& s);

// The text as a signed 32-bit decimal integer, or ErreurConversion quoting `montre` (the
// text as the user sees it, when `texte` was filtered from it).
int StrToInt(const QString& texte);
int StrToInt(const QString& texte, const QString& montre);

// A whole number as the program writes it into an edit: Latin digits, with the user's group
// separator where the number filter drops it, so that it reads back unchanged.
QString texte_entier(int valeur);

}  // namespace orvane
