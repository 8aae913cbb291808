// The numbers of the palette's edits: the filter and the integer conversion every read goes
// through, over any text a user can type or paste, and the numbers the up-downs write, read
// back in every locale of the table.
#include <fuzzer/FuzzedDataProvider.h>

#include <QLocale>
#include <QRegularExpression>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/nombres.h"

namespace {

using namespace orvane;

void echec(const char* raison, const QString& texte) {
  std::fprintf(stderr, "fuzz_nombres: %s: \"%s\"\n", raison, texte.toUtf8().constData());
  std::abort();
}

// Decimal separators of the world's locales, and a few characters a filter could confuse.
constexpr std::array<char16_t, 7> kSeparateurs = {u'.', u',', u'\u066B', u'\u2019',
                                                  u' ', u'E', u'-'};

// Locales whose numbers the program writes: native digits (Arabic, Persian, Bengali,
// Burmese), the U+2212 minus, and the many group separators (narrow no-break space,
// apostrophe, U+2019, U+00A0, lakh grouping).
const std::array<const char*, 12> kLocales = {"C",     "fr_FR", "de_CH", "sv_SE", "ar_EG", "fa_IR",
                                              "bn_BD", "my_MM", "en_IN", "pt_BR", "it_CH", "fi_FI"};

// The value of a plain signed decimal integer in 32 bits, as StrToInt must read it.
std::optional<int> entier_attendu(const QString& t) {
  static const QRegularExpression forme(QStringLiteral("^[+-]?[0-9]+$"));
  if (!forme.match(t).hasMatch()) return std::nullopt;
  bool ok = false;
  const qlonglong v = t.toLongLong(&ok);
  const bool tient = ok && v >= INT32_MIN && v <= INT32_MAX;
  if (!tient) {
    // Longer than 64 bits or out of range: the digits alone tell.
    return std::nullopt;
  }
  return static_cast<int>(v);
}

bool garde(QChar c, QChar d) {
  return c == u'*' || c == u'+' || c == u'-' || c == u'/' || (c >= u'0' && c <= u'9') ||
         c == u'E' || c == d;
}

void verifier_espaces(const QString& s) {
  const QString fin = sans_espaces_fin(s);
  if (fin.endsWith(u' ') || !s.startsWith(fin)) echec("trailing spaces left", s);
  const QString debut = sans_espaces_debut(s);
  if (!s.endsWith(debut)) echec("leading trim changed the text", s);
  if (debut.size() > 1 && debut.startsWith(u' ')) echec("leading spaces left", s);
  if (!s.isEmpty() && debut.isEmpty()) echec("leading trim emptied the text", s);
  const QString deux = sans_espaces(s);
  if (deux.startsWith(u' ') || deux.endsWith(u' ')) echec("spaces left at an end", s);
}

void verifier_filtre(const QString& s, QChar d) {
  const QString f = filtre_nombre(s, d);
  for (const QChar c : f)
    if (!garde(c, d)) echec("the filter kept a character it must drop", s);
  if (f.size() > s.size()) echec("the filter made the text longer", s);

  const std::optional<int> attendu = entier_attendu(f);
  try {
    const int v = StrToInt(f, s);
    if (!attendu || *attendu != v) echec("StrToInt accepted a text that is not that integer", f);
  } catch (const ErreurConversion& e) {
    if (attendu) echec("StrToInt refused an integer", f);
    // The message is a C string: it quotes texts up to their first NUL.
    const QString cite = s.left(s.indexOf(QChar(u'\0')));
    if (!QString::fromUtf8(e.what()).contains(cite))
      echec("the message does not quote the text", s);
  }
}

void verifier_aller_retour(const char* nom_locale, int valeur) {
  QLocale::setDefault(QLocale(QString::fromLatin1(nom_locale)));
  const QString ecrit = texte_entier(valeur);
  try {
    if (StrToInt(filtre_nombre(ecrit)) != valeur)
      echec("an up-down's number reads back changed", ecrit);
  } catch (const ErreurConversion&) {
    echec("an up-down's number does not read back", ecrit);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider entree(data, size);
  const QChar d(
      kSeparateurs[entree.ConsumeIntegralInRange<std::size_t>(0, kSeparateurs.size() - 1)]);
  const char* locale = kLocales[entree.ConsumeIntegralInRange<std::size_t>(0, kLocales.size() - 1)];
  const int valeur = entree.ConsumeIntegral<int>();
  const std::string octets = entree.ConsumeRemainingBytesAsString();
  const QString texte = QString::fromUtf8(octets.data(), static_cast<qsizetype>(octets.size()));

  verifier_espaces(texte);
  verifier_filtre(texte, d);
  verifier_aller_retour(locale, valeur);
  return 0;
}
