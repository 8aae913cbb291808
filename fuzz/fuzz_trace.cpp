// The renderer with random settings: any segment, centre, pen mode and colour, and any
// numbers the palette's edits can hold, drawn on a small canvas. Besides the sanitizers'
// checks, the renderer must give exactly what painting every copy one by one gives (its
// shortcuts over repeated copies and unseen shadow lines change nothing), and every pixel
// keeps a zero top byte. The counts are bounded so that one input costs a fraction of a
// second: the work of huge counts is the benchmarks' business.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "drawing/trace_segment.h"
#include "drawing/trace_symetrique.h"

namespace {

using namespace orvane;

// At most this many copies of a segment (petals x turns, mirrors included) and this many
// clones of each; the pen width and the spiral factor are any number their edits can hold
// (the width keys and the settings file reach any width, the factor is typed).
constexpr std::int64_t kCopiesMax = 1000;
constexpr int kClonesMax = 12;

Point point(FuzzedDataProvider& entree) {
  // Mostly near the canvas, sometimes anywhere in 32 bits.
  if (entree.ConsumeBool()) return {entree.ConsumeIntegral<int>(), entree.ConsumeIntegral<int>()};
  return {entree.ConsumeIntegralInRange(-200, 300), entree.ConsumeIntegralInRange(-200, 300)};
}

// A number as typed into an edit: small mostly, any 32-bit value sometimes.
int nombre(FuzzedDataProvider& entree, int min, int max) {
  if (entree.ConsumeIntegralInRange(0, 7) == 0) return entree.ConsumeIntegral<int>();
  return entree.ConsumeIntegralInRange(min, max);
}

double reel(FuzzedDataProvider& entree) {
  switch (entree.ConsumeIntegralInRange(0, 3)) {
    case 0:
      return entree.ConsumeFloatingPoint<double>();  // NaN, infinities, huge values
    case 1:
      return entree.ConsumeIntegral<int>();
    default:
      return entree.ConsumeFloatingPointInRange(-300.0, 300.0);
  }
}

ReglagesTrace reglages(FuzzedDataProvider& entree) {
  ReglagesTrace r;
  r.symetrie = entree.ConsumeIntegralInRange(0, 4);
  r.type_trace = entree.ConsumeIntegralInRange(0, 5);
  r.peindre_dessiner = entree.ConsumeIntegralInRange(0, 2);
  r.nb_petales = entree.ConsumeIntegralInRange(-3, 100);
  if (r.nb_petales == 0) r.nb_petales = 1;  // nb_petales never gives 0
  r.spirale = entree.ConsumeBool();
  r.tours = entree.ConsumeIntegralInRange(-5, 100);
  r.facteur_milliemes = nombre(entree, -2000, 2000);
  r.epaisseur_aleatoire = entree.ConsumeBool();
  r.epaisseur = nombre(entree, -5, 120);
  r.ombre_1 = entree.ConsumeBool();
  r.ombre_2 = entree.ConsumeBool();
  // Edit7 is read-only: its up-down gives 1 .. 100.
  r.largeur_ombre = entree.ConsumeIntegralInRange(-5, 120);
  r.nombre_clones = entree.ConsumeIntegralInRange(-2, kClonesMax);
  r.largeur_ecran = nombre(entree, 1, 4000);
  const std::int64_t par_tour = 2 * std::int64_t{r.nb_petales < 0 ? 0 : r.nb_petales};
  if (r.spirale && r.tours > 0 && par_tour * r.tours > kCopiesMax)
    r.tours = static_cast<int>(kCopiesMax / par_tour);
  return r;
}

[[noreturn]] void echec(const char* raison) {
  std::fprintf(stderr, "fuzz_trace: %s\n", raison);
  std::abort();
}

// The stroke drawn the long way: the same pen width, then every copy handed to
// trace_segment.
void un_par_un(Canvas& toile, const ReglagesTrace& r, Aleatoire& aleatoire, EtatTrace& etat,
               Point a, Point b, int mode, Colour couleur) {
  toile.pen.mode = mode;
  toile.pen.color = couleur;
  toile.pen.width =
      epaisseur_du_trait(aleatoire, r.epaisseur_aleatoire, r.epaisseur, toile.pen.width);
  Colour couleur_segment = couleur;
  copies_symetriques(r, {etat.centre_x, etat.centre_y}, a, b, [&](const Copie& c) {
    trace_segment(toile, r, aleatoire, etat, c, couleur_segment);
  });
}

bool pareils(const Canvas& x, const Canvas& y) {
  return x.bitmap() == y.bitmap() && x.pen.color == y.pen.color && x.pen.width == y.pen.width &&
         x.pen.mode == y.pen.mode && x.brush.color == y.brush.color &&
         x.brush.style == y.brush.style && x.position() == y.position();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider entree(data, size);
  const int largeur = entree.ConsumeIntegralInRange(1, 96);
  const int hauteur = entree.ConsumeIntegralInRange(1, 96);
  Canvas toile(largeur, hauteur, entree.ConsumeIntegral<std::uint32_t>() & 0xFFFFFFu);
  Aleatoire aleatoire(entree.ConsumeIntegral<std::uint64_t>());
  const ReglagesTrace r = reglages(entree);
  EtatTrace etat;
  const Point centre = point(entree);
  etat.centre_x = centre.x;
  etat.centre_y = centre.y;
  etat.couleur_crayon = entree.ConsumeIntegral<std::uint32_t>() & 0xFFFFFFu;
  etat.couleur_peinture = entree.ConsumeIntegral<std::uint32_t>() & 0xFFFFFFu;
  toile.pen.width = entree.ConsumeIntegralInRange(-2, 50);  // left by an earlier stroke

  // A few segments, as a stroke hands them over one move after another.
  const int segments = entree.ConsumeIntegralInRange(1, 4);
  for (int i = 0; i < segments && entree.remaining_bytes() > 0; ++i) {
    const int mode = entree.ConsumeIntegralInRange(0, 15);
    const Colour couleur = entree.ConsumeIntegral<std::uint32_t>() & 0xFFFFFFu;
    if (entree.ConsumeBool()) {
      const Point a = point(entree);
      const Point b = point(entree);
      Canvas reference = toile;
      Aleatoire aleatoire_reference = aleatoire;
      EtatTrace etat_reference = etat;
      trace_symetrique(toile, r, aleatoire, etat, a, b, mode, couleur);
      un_par_un(reference, r, aleatoire_reference, etat_reference, a, b, mode, couleur);
      if (!pareils(toile, reference)) echec("the renderer differs from painting copy by copy");
      if (etat.rouge_crayon != etat_reference.rouge_crayon ||
          etat.vert_crayon != etat_reference.vert_crayon ||
          etat.bleu_crayon != etat_reference.bleu_crayon) {
        echec("the renderer left another darkening colour");
      }
      if (aleatoire.Random(1 << 30) != aleatoire_reference.Random(1 << 30))
        echec("the renderer drew another count of random numbers");
    } else {
      // One copy straight to the painter, with the reals the geometry may produce.
      Copie copie{reel(entree), reel(entree), reel(entree), reel(entree)};
      toile.pen.mode = mode;
      toile.pen.color = couleur;
      toile.pen.width = nombre(entree, -2, 60);
      Colour couleur_segment = couleur;
      trace_segment(toile, r, aleatoire, etat, copie, couleur_segment);
    }
  }

  for (int y = 0; y < toile.height(); ++y)
    for (int x = 0; x < toile.width(); ++x)
      if (toile.Pixels(x, y) > 0xFFFFFFu) echec("a pixel has a top byte");
  return 0;
}
