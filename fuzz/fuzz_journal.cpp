// The .orvane reader: whatever the bytes, the reading either refuses them with a reason or
// gives a journal that is written back to bytes that read as the same journal. Small light
// journals are also drawn again at scales 1 and 2, to the size they promise. scripts/fuzz.sh
// runs it under a limit on any one allocation: a count the bytes merely claim must never
// set memory aside.
#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "journal/redessin.h"
#include "persistence/format_journal.h"

namespace {

using namespace orvane;

void echec(const char* raison) {
  std::fprintf(stderr, "fuzz_journal: %s\n", raison);
  std::abort();
}

// Light enough to draw again in a fuzzing run's time.
bool leger(const Journal& journal) {
  if (journal.taille() > 64 || std::int64_t{journal.largeur()} * journal.hauteur() > 4096)
    return false;
  for (const Entree& e : journal.entrees()) {
    const auto* t = std::get_if<EntreeTrait>(&e);
    if (!t) continue;
    const ReglagesTrace& r = t->reglages;
    if (std::int64_t{r.nb_petales} * std::max(1, r.tours) > 200 || r.nombre_clones > 8 ||
        r.largeur_ombre > 40 || r.pas_ombre > 40 || t->largeur > 200 || t->largeur < -200 ||
        r.epaisseur_ombre > 200)
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray octets(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  Journal journal;
  try {
    journal = journal_des_octets(octets);
  } catch (const JournalIllisible& e) {
    if (e.what()[0] == '\0') echec("a refusal without a reason");
    return 0;
  }
  const QByteArray reecrit = octets_journal(journal);
  Journal relu;
  try {
    relu = journal_des_octets(reecrit);
  } catch (const JournalIllisible&) {
    echec("a journal written back cannot be read");
  }
  if (octets_journal(relu) != reecrit) echec("a journal read back is another journal");
  if (!leger(journal)) return 0;
  for (int echelle : {1, 2}) {
    Bitmap sortie;
    if (!redessiner(journal, echelle, sortie, {})) echec("a re-drawing stopped by itself");
    if (sortie.width() != journal.largeur() * echelle ||
        sortie.height() != journal.hauteur() * echelle)
      echec("a re-drawing of another size");
  }
  return 0;
}
