// The picture loader as the program uses it: a file on disk painted onto the canvas by the
// snapshot ring's read, and the same file opened as the user's picture ("Ouvrir", which also
// takes the other formats Qt reads). Whatever the bytes, each read either refuses the file
// with ErreurFichier, leaving the canvas alone, or gives a picture; a BMP gives the same
// picture both ways, and the snapshot writer writes it and reads it back unchanged.
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "persistence/fichier_bmp.h"
#include "persistence/fichier_image.h"
#include "persistence/historique_images.h"
#include "dossier_fuzz.h"

namespace {

using namespace orvane;

constexpr int kLargeurToile = 40;
constexpr int kHauteurToile = 30;
constexpr Colour kFond = 0x123456;
// Pictures larger than this are only read: checking every pixel and writing them again
// would slow every run.
constexpr std::int64_t kPixelsRelusMax = 1 << 20;

QTemporaryDir* dossier = nullptr;

void echec(const char* raison) {
  std::fprintf(stderr, "fuzz_lecture_bmp: %s\n", raison);
  std::abort();
}

void ecrire(const QString& chemin, const std::uint8_t* data, std::size_t size) {
  QFile f(chemin);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
          static_cast<qint64>(size)) {
    echec("cannot write the input file");
  }
}

bool toile_intacte(const Canvas& toile) {
  for (int y = 0; y < toile.height(); ++y)
    for (int x = 0; x < toile.width(); ++x)
      if (toile.Pixels(x, y) != kFond) return false;
  return true;
}

// The canvas shows the picture's top-left part and keeps its own pixels elsewhere.
bool toile_peinte(const Canvas& toile, const Bitmap& image) {
  for (int y = 0; y < toile.height(); ++y)
    for (int x = 0; x < toile.width(); ++x) {
      const Colour attendu = image.contains(x, y) ? image.pixel(x, y) : kFond;
      if (toile.Pixels(x, y) != attendu) return false;
    }
  return true;
}

void verifier_pixels(const Bitmap& image) {
  if (image.width() <= 0 || image.height() <= 0) echec("an empty picture was accepted");
  if (std::int64_t{image.width()} * image.height() > kPixelsRelusMax) return;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) > 0xFFFFFFu) echec("a pixel with a top byte");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  dossier = dossier_fuzz();
  if (!dossier) echec("no temporary directory");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString chemin = dossier->filePath(QStringLiteral("~100.bmp"));
  ecrire(chemin, data, size);

  bool ouverte = false;
  Bitmap ouverture;
  try {
    ouverture = lire_fichier_image(chemin);
    ouverte = true;
    verifier_pixels(ouverture);
  } catch (const ErreurFichier&) {
  }

  HistoriqueImages historique(dossier->path());
  Canvas toile(kLargeurToile, kHauteurToile, kFond);
  try {
    historique.lire_bmp(chemin, toile);
  } catch (const ErreurFichier&) {
    if (!toile_intacte(toile)) echec("a refused file changed the canvas");
    return 0;
  }

  const Bitmap image = lire_fichier_bmp(chemin);
  verifier_pixels(image);
  if (!toile_peinte(toile, image)) echec("the canvas does not show the picture read");
  if (!ouverte || !(ouverture == image)) echec("opening the BMP gave another picture");

  if (std::int64_t{image.width()} * image.height() <= kPixelsRelusMax) {
    const QString copie = dossier->filePath(QStringLiteral("~101.bmp"));
    ecrire_fichier_bmp(copie, image);
    if (!(lire_fichier_bmp(copie) == image)) echec("a written picture reads back changed");
  }
  return 0;
}
