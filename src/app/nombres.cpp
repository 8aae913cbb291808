#include "app/nombres.h"

#include <QLocale>
#include <cstdlib>
#include <limits>

namespace orvane {

QString sans_espaces_fin(const QString& s) {
  qsizetype fin = s.size();
  while (fin > 0 && s[fin - 1] == u' ') --fin;
  return s.left(fin);
}

QString sans_espaces_debut(const QString& s) {
  qsizetype debut = 0;
  while (debut < s.size() - 1 && s[debut] == u' ') ++debut;
  return s.mid(debut);
}

QString sans_espaces(const QString& s) { return sans_espaces_fin(sans_espaces_debut(s)); }

QChar separateur_decimal() {
  const QString d = QLocale().decimalPoint();
  return d.isEmpty() ? QChar(u'.') : d.front();
}

QString filtre_nombre(const QString& s, QChar d) {
  QString t = s;
  const qsizetype point = t.indexOf(u'.');
  const qsizetype virgule = t.indexOf(u',');
  if (point >= 0 && d != u'.') {
    t[point] = d;
  } else if (virgule >= 0 && d != u',') {
    t[virgule] = d;
  }
  t = sans_espaces(t);
  QString resultat;
  for (const QChar c : t) {
    if (c == u'*' || c == u'+' || c == u'-' || c == u'/' || (c >= u'0' && c <= u'9') ||
        c == u'E' || c == d) {
      resultat += c;
    }
  }
  return resultat;
}

QString filtre_nombre(const QString& s) { return filtre_nombre(s, separateur_decimal()); }

int StrToInt(const QString& texte) { return StrToInt(texte, texte); }

int StrToInt(const QString& texte, const QString& montre) {
  const auto erreur = [&] {
    return ErreurConversion(
        QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(montre).toStdString());
  };
  qsizetype i = 0;
  bool negatif = false;
  if (i < texte.size() && (texte[i] == u'+' || texte[i] == u'-')) {
    negatif = texte[i] == u'-';
    ++i;
  }
  if (i >= texte.size()) throw erreur();
  long long valeur = 0;
  for (; i < texte.size(); ++i) {
    const QChar c = texte[i];
    if (c < u'0' || c > u'9') throw erreur();
    valeur = valeur * 10 + (c.unicode() - u'0');
    if (valeur > static_cast<long long>(std::numeric_limits<int>::max()) + 1) throw erreur();
  }
  if (negatif) valeur = -valeur;
  if (valeur > std::numeric_limits<int>::max()) throw erreur();
  return static_cast<int>(valeur);
}

QString texte_entier(int valeur) {
  // What the program writes into an edit must read back through filtre_nombre as the same
  // number in every locale. So: Latin digits always (the filter drops Arabic, Persian or
  // Bengali digits), an ASCII minus (not the U+2212 of Swedish), and the user's group
  // separator only when the filter drops it ("1 000", "1'000"); one the filter keeps, such
  // as "," or ".", would be read as a decimal point, and those locales get plain digits.
  const QString groupe = QLocale().groupSeparator();
  const QChar d = separateur_decimal();
  const bool groupe_lisible =
      !groupe.isEmpty() && filtre_nombre(QStringLiteral("1") + groupe + QStringLiteral("1"), d) ==
                               QStringLiteral("11");
  const QString chiffres = QString::number(std::abs(static_cast<long long>(valeur)));
  QString texte;
  for (qsizetype i = 0; i < chiffres.size(); ++i) {
    if (groupe_lisible && i > 0 && (chiffres.size() - i) % 3 == 0) texte += groupe;
    texte += chiffres[i];
  }
  return valeur < 0 ? QStringLiteral("-") + texte : texte;
}

}  // namespace orvane
