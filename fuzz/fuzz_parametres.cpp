// The settings file reader and writer over any bytes a damaged or hand-edited file can hold:
// every line reads as the file's own line (ended by CR LF, CR or LF) or, longer than the
// limit, is refused naming its number; the program's conversions of lines 2 to 5 either
// succeed or raise their error, and a write replaces one line, carries the other first
// twenty over byte for byte (a line over the limit comes back empty) and leaves exactly
// twenty CR LF lines.
#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/nombres.h"
#include "persistence/fichier_parametres.h"
#include "dossier_fuzz.h"

namespace {

using namespace orvane;

QTemporaryDir* dossier = nullptr;

[[noreturn]] void echec(const char* raison) {
  std::fprintf(stderr, "fuzz_parametres: %s\n", raison);
  std::abort();
}

void ecrire(const QString& chemin, const QByteArray& octets) {
  QFile f(chemin);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(octets) != octets.size())
    echec("cannot write the input file");
}

QByteArray lire(const QString& chemin) {
  QFile f(chemin);
  if (!f.open(QIODevice::ReadOnly)) echec("cannot read the settings file back");
  return f.readAll();
}

// The file's lines as a text editor sees them: each ended by CR LF, CR or LF; a last line
// without an end still counts.
std::vector<QByteArray> lignes_de(const QByteArray& octets) {
  std::vector<QByteArray> lignes;
  QByteArray ligne;
  for (qsizetype i = 0; i < octets.size(); ++i) {
    const char c = octets[i];
    if (c != '\r' && c != '\n') {
      ligne.append(c);
      continue;
    }
    lignes.push_back(ligne);
    ligne.clear();
    if (c == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n') ++i;
  }
  if (!ligne.isEmpty()) lignes.push_back(ligne);
  return lignes;
}

bool trop_longue(const std::vector<QByteArray>& lignes, int n) {
  return n >= 1 && n <= static_cast<int>(lignes.size()) &&
         lignes[static_cast<size_t>(n - 1)].size() > kLongueurLigneMax;
}

QString ligne_attendue(const std::vector<QByteArray>& lignes, int n) {
  if (n < 1 || n > static_cast<int>(lignes.size())) return QString();
  return QString::fromUtf8(lignes[static_cast<size_t>(n - 1)]);
}

// Line i as read: its text, or the refusal that names it.
void verifier_ligne(const QString& chemin, const std::vector<QByteArray>& lignes, int i) {
  try {
    if (lire_ligne(chemin, i) != ligne_attendue(lignes, i)) echec("a line reads otherwise");
    if (trop_longue(lignes, i)) echec("a line over the limit was read");
  } catch (const ErreurFichier& e) {
    if (!trop_longue(lignes, i)) echec("a line within the limit was refused");
    const std::string attendu = " : ligne " + std::to_string(i) + " trop longue";
    if (std::string(e.what()).find(attendu) == std::string::npos) echec("the refusal names no line");
  }
}

// The conversions charge_parametres applies; a bad line raises ErreurConversion.
void convertir(const QString& chemin) {
  for (int n : {2, 3, 5}) {
    try {
      StrToInt(lire_parametre(chemin, n, QStringLiteral("0")));
    } catch (const ErreurConversion&) {
    } catch (const ErreurFichier&) {
    }
  }
  try {
    const QString ligne_4 = lire_parametre(chemin, 4, QStringLiteral("0"));
    if (texte_en_bool(ligne_4) != (ligne_4 == QStringLiteral("true"))) echec("texte_en_bool");
  } catch (const ErreurFichier&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  dossier = dossier_fuzz();
  if (!dossier) echec("no temporary directory");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider entree(data, size);
  const int n = entree.ConsumeIntegralInRange(-1, max_parametre + 2);
  const std::string valeur_octets = entree.ConsumeRandomLengthString(300);
  const std::string fichier_octets = entree.ConsumeRemainingBytesAsString();
  const QByteArray contenu(fichier_octets.data(), static_cast<qsizetype>(fichier_octets.size()));
  const QString chemin = dossier->filePath(QStringLiteral("orvane.prm"));
  ecrire(chemin, contenu);

  const std::vector<QByteArray> avant = lignes_de(contenu);
  for (int i = -1; i <= max_parametre + 2; ++i) verifier_ligne(chemin, avant, i);
  convertir(chemin);

  const QString valeur =
      QString::fromUtf8(valeur_octets.data(), static_cast<qsizetype>(valeur_octets.size()));
  try {
    ecrire_parametre(valeur, chemin, n);
  } catch (const ErreurFichier&) {
    if (n >= 1 && n <= max_parametre) echec("a valid line could not be written");
    if (lire(chemin) != contenu) echec("a refused write changed the file");
    return 0;
  }
  if (n < 1 || n > max_parametre) echec("a line outside the file was written");

  // What the file must now hold, byte for byte.
  QByteArray attendu;
  for (int i = 1; i <= max_parametre; ++i) {
    QByteArray ligne =
        i == n ? valeur.toUtf8()
               : (i <= static_cast<int>(avant.size()) && !trop_longue(avant, i)
                      ? avant[static_cast<size_t>(i - 1)]
                      : QByteArray());
    if (i == n) ligne.replace('\r', ' ').replace('\n', ' ');
    attendu += ligne + "\r\n";
  }
  if (lire(chemin) != attendu) echec("the written file is not the twenty expected lines");
  convertir(chemin);
  return 0;
}
