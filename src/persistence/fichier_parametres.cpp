#include "persistence/fichier_parametres.h"

#include <QFile>
#include <algorithm>
#include <optional>
#include <vector>

#include "persistence/causes_fichier.h"
#include "persistence/ecriture_atomique.h"

namespace orvane {

namespace {

// No more of the file than this is ever read: twenty lines at their longest fit many times.
constexpr qint64 kOctetsLusMax = 1024 * 1024;

[[noreturn]] void refuser(const QString& action, const QString& chemin, const QString& raison) {
  throw ErreurFichier(QStringLiteral("Impossible %1 le fichier des réglages « %2 » : %3.")
                          .arg(action, chemin, raison)
                          .toStdString());
}

QString trop_longue(int n) {
  return QStringLiteral("ligne %1 trop longue (plus de %2 octets)").arg(n).arg(kLongueurLigneMax);
}

// The first lines of the file as stored (no decoding, so lines carried over are written
// back byte for byte); a line over kLongueurLigneMax is kept as nothing, its bytes skipped.
struct Lignes {
  std::vector<std::optional<QByteArray>> lues;
  // The reading bound was reached before the lines asked for: the last line read is cut.
  bool coupees = false;

  // The first line over the limit, counted from 1, or 0.
  int premiere_trop_longue() const {
    for (size_t i = 0; i < lues.size(); ++i)
      if (!lues[i]) return static_cast<int>(i) + 1;
    return 0;
  }
};

// The first `nombre` lines. Empty when the file does not exist.
Lignes lire_lignes(const QString& chemin, int nombre) {
  Lignes lignes;
  QFile fichier;
  const QString refus = ouvrir_fichier_ordinaire(chemin, fichier);
  if (refus == cause_introuvable()) return lignes;
  if (!refus.isEmpty()) refuser(QStringLiteral("de lire"), chemin, refus);

  std::optional<QByteArray> ligne = QByteArray();
  bool ligne_ouverte = false;  // text read since the last line end
  bool apres_cr = false;       // an LF right after a CR ends nothing more
  qint64 lus = 0;
  const auto finir_ligne = [&] {
    lignes.lues.push_back(ligne);
    ligne = QByteArray();
    ligne_ouverte = false;
  };
  while (static_cast<int>(lignes.lues.size()) < nombre) {
    if (lus >= kOctetsLusMax) {
      lignes.coupees = true;
      break;
    }
    const QByteArray bloc = fichier.read(std::min<qint64>(64 * 1024, kOctetsLusMax - lus));
    if (bloc.isEmpty()) {
      if (fichier.error() != QFileDevice::NoError)
        refuser(QStringLiteral("de lire"), chemin, QStringLiteral("erreur de lecture du fichier"));
      break;
    }
    lus += bloc.size();
    for (const char c : bloc) {
      if (c == '\n' && apres_cr) {
        apres_cr = false;
        continue;
      }
      apres_cr = c == '\r';
      if (c == '\r' || c == '\n') {
        finir_ligne();
        if (static_cast<int>(lignes.lues.size()) == nombre) break;
        continue;
      }
      ligne_ouverte = true;
      if (!ligne) continue;
      if (ligne->size() == kLongueurLigneMax)
        ligne.reset();
      else
        ligne->append(c);
    }
  }
  if (ligne_ouverte && static_cast<int>(lignes.lues.size()) < nombre) {
    if (lignes.coupees) ligne.reset();
    finir_ligne();
  }
  return lignes;
}

}  // namespace

QString lire_ligne(const QString& chemin, int n) {
  if (n < 1) return QString();
  const Lignes lignes = lire_lignes(chemin, n);
  const int trop_longue_avant = lignes.premiere_trop_longue();
  if (static_cast<int>(lignes.lues.size()) < n) {
    // Beyond the part of the file that is read: the long line before it is to blame.
    if (lignes.coupees) refuser(QStringLiteral("de lire"), chemin, trop_longue(trop_longue_avant));
    return QString();
  }
  const std::optional<QByteArray>& ligne = lignes.lues[static_cast<size_t>(n - 1)];
  if (!ligne) refuser(QStringLiteral("de lire"), chemin, trop_longue(n));
  return QString::fromUtf8(*ligne);
}

QString lire_parametre(const QString& chemin, int n, const QString& defaut) {
  const QString valeur = lire_ligne(chemin, n);
  return valeur.isEmpty() ? defaut : valeur;
}

void ecrire_parametre(const QString& valeur, const QString& chemin, int n) {
  ecrire_parametres({{n, valeur}}, chemin);
}

void ecrire_parametres(const std::map<int, QString>& valeurs, const QString& chemin) {
  std::map<int, QByteArray> nouvelles;
  for (const auto& [n, valeur] : valeurs) {
    if (n > max_parametre)
      throw ErreurFichier(
          QStringLiteral(" max_parametre = %1\n augmenter ce nombre dans le source...")
              .arg(max_parametre)
              .toStdString());
    if (n < 1)
      throw ErreurFichier(
          QStringLiteral("Ligne de réglage %1 inexistante.").arg(n).toStdString());
    // A line end inside a value would shift every line after it.
    QByteArray octets = valeur.toUtf8();
    octets.replace('\r', ' ').replace('\n', ' ');
    // It could not be read back.
    if (octets.size() > kLongueurLigneMax) refuser(QStringLiteral("d'écrire"), chemin, trop_longue(n));
    nouvelles[n] = octets;
  }

  // A line too long to read is not carried over: it comes back empty.
  const Lignes lues = lire_lignes(chemin, max_parametre);
  std::vector<QByteArray> table(max_parametre);
  for (size_t i = 0; i < lues.lues.size(); ++i) table[i] = lues.lues[i].value_or(QByteArray());
  for (const auto& [n, octets] : nouvelles) table[static_cast<size_t>(n - 1)] = octets;

  QByteArray contenu;
  for (const QByteArray& ligne : table) contenu += ligne + "\r\n";
  const QString raison = ecrire_atomiquement(chemin, contenu);
  if (!raison.isEmpty()) refuser(QStringLiteral("d'écrire"), chemin, raison);
}

QString bool_en_texte(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

bool texte_en_bool(const QString& s) { return s == QStringLiteral("true"); }

}  // namespace orvane
