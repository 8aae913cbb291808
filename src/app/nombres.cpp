#include "app/nombres.h"

#include <QLocale>
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
  QLocale locale;
  // A group separator that the number filter would read as a decimal point ("1,000" or
  // "1.000") would make the edit unreadable; such locales get the plain digits.
  const QString groupe = locale.groupSeparator();
  if (groupe == QStringLiteral(".") || groupe == QStringLiteral(",")) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  }
  return locale.toString(valeur);
}

}  // namespace orvane
