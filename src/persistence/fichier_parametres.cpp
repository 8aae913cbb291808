#include "persistence/fichier_parametres.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

#include "persistence/achever_ecriture.h"

namespace orvane {

namespace {

[[noreturn]] void refuser(const QString& action, const QString& chemin, const QString& raison) {
  throw ErreurFichier(QStringLiteral("Impossible %1 le fichier des réglages « %2 » : %3.")
                          .arg(action, chemin, raison)
                          .toStdString());
}

// The first `nombre` lines of the file, as stored (no decoding, so lines carried over are
// written back byte for byte). Empty when the file does not exist.
std::vector<QByteArray> lire_lignes(const QString& chemin, int nombre) {
  std::vector<QByteArray> lignes;
  if (!QFileInfo::exists(chemin)) return lignes;
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly))
    refuser(QStringLiteral("de lire"), chemin, fichier.errorString());

  QByteArray ligne;
  bool ligne_ouverte = false;  // text read since the last line end
  bool apres_cr = false;       // an LF right after a CR ends nothing more
  while (static_cast<int>(lignes.size()) < nombre) {
    const QByteArray bloc = fichier.read(64 * 1024);
    if (bloc.isEmpty()) {
      if (fichier.error() != QFileDevice::NoError)
        refuser(QStringLiteral("de lire"), chemin, fichier.errorString());
      break;
    }
    for (const char c : bloc) {
      if (c == '\n' && apres_cr) {
        apres_cr = false;
        continue;
      }
      apres_cr = c == '\r';
      if (c == '\r' || c == '\n') {
        lignes.push_back(ligne);
        ligne.clear();
        ligne_ouverte = false;
        if (static_cast<int>(lignes.size()) == nombre) break;
      } else {
        ligne.append(c);
        ligne_ouverte = true;
      }
    }
  }
  if (ligne_ouverte && static_cast<int>(lignes.size()) < nombre) lignes.push_back(ligne);
  return lignes;
}

}  // namespace

QString lire_ligne(const QString& chemin, int n) {
  if (n < 1) return QString();
  const std::vector<QByteArray> lignes = lire_lignes(chemin, n);
  if (static_cast<int>(lignes.size()) < n) return QString();
  return QString::fromUtf8(lignes[static_cast<size_t>(n - 1)]);
}

QString lire_parametre(const QString& chemin, int n, const QString& defaut) {
  const QString valeur = lire_ligne(chemin, n);
  return valeur.isEmpty() ? defaut : valeur;
}

void ecrire_parametre(const QString& valeur, const QString& chemin, int n) {
  ecrire_parametres({{n, valeur}}, chemin);
}

void ecrire_parametres(const std::map<int, QString>& valeurs, const QString& chemin) {
  for (const auto& [n, valeur] : valeurs) {
    if (n > max_parametre)
      throw ErreurFichier(
          QStringLiteral(" max_parametre = %1\n augmenter ce nombre dans le source...")
              .arg(max_parametre)
              .toStdString());
    if (n < 1)
      throw ErreurFichier(
          QStringLiteral("Ligne de réglage %1 inexistante.").arg(n).toStdString());
  }

  std::vector<QByteArray> table = lire_lignes(chemin, max_parametre);
  table.resize(max_parametre);
  for (const auto& [n, valeur] : valeurs) {
    // A line end inside a value would shift every line after it.
    QByteArray octets = valeur.toUtf8();
    octets.replace('\r', ' ').replace('\n', ' ');
    table[static_cast<size_t>(n - 1)] = octets;
  }

  QByteArray contenu;
  for (const QByteArray& ligne : table) contenu += ligne + "\r\n";

  QSaveFile fichier(chemin);
  if (!fichier.open(QIODevice::WriteOnly))
    refuser(QStringLiteral("d'écrire"), chemin, fichier.errorString());
  if (fichier.write(contenu) != contenu.size()) {
    const QString raison = fichier.errorString();
    fichier.cancelWriting();
    refuser(QStringLiteral("d'écrire"), chemin, raison);
  }
  const QString raison = achever_ecriture(fichier);
  if (!raison.isEmpty()) refuser(QStringLiteral("d'écrire"), chemin, raison);
}

QString bool_en_texte(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

bool texte_en_bool(const QString& s) { return s == QStringLiteral("true"); }

}  // namespace orvane
