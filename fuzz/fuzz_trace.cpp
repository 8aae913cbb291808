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
#include <string>

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

// What differs between the renderer's canvas and the reference's, empty when nothing does.
std::string differences(const Canvas& x, const Canvas& y) {
  std::string d;
  char ligne[160];
  if (x.bitmap() != y.bitmap()) {
    int n = 0, px = -1, py = -1;
    for (int v = 0; v < x.height(); ++v)
      for (int u = 0; u < x.width(); ++u)
        if (x.Pixels(u, v) != y.Pixels(u, v) && n++ == 0) px = u, py = v;
    std::snprintf(ligne, sizeof ligne, "  %d pixels, first (%d, %d): %06x against %06x\n", n,
                  px, py, x.Pixels(px, py), y.Pixels(px, py));
    d += ligne;
  }
  if (x.pen.color != y.pen.color || x.pen.width != y.pen.width || x.pen.mode != y.pen.mode) {
    std::snprintf(ligne, sizeof ligne, "  pen %06x width %d mode %d against %06x %d %d\n",
                  x.pen.color, x.pen.width, x.pen.mode, y.pen.color, y.pen.width, y.pen.mode);
    d += ligne;
  }
  if (x.brush.color != y.brush.color || x.brush.style != y.brush.style) {
    std::snprintf(ligne, sizeof ligne, "  brush %06x style %d against %06x %d\n", x.brush.color,
                  static_cast<int>(x.brush.style), y.brush.color,
                  static_cast<int>(y.brush.style));
    d += ligne;
  }
  if (x.position() != y.position()) {
    std::snprintf(ligne, sizeof ligne, "  position (%d, %d) against (%d, %d)\n",
                  x.position().x, x.position().y, y.position().x, y.position().y);
    d += ligne;
  }
  return d;
}

void decrire(const Canvas& toile, const ReglagesTrace& r, const EtatTrace& etat, Point a,
             Point b, int mode, Colour couleur, int largeur_avant) {
  std::fprintf(stderr,
               "canvas %d x %d; symetrie %d type %d peindre %d petales %d spirale %d tours %d "
               "f %d\nepaisseur %d aleatoire %d (pen width before %d) ombre_1 %d ombre_2 %d "
               "largeur %d clones %d ecran %d\ncentre (%d, %d) crayon %06x peinture %06x; "
               "segment (%d, %d)-(%d, %d) mode %d colour %06x\n",
               toile.width(), toile.height(), r.symetrie, r.type_trace, r.peindre_dessiner,
               r.nb_petales, r.spirale, r.tours, r.facteur_milliemes, r.epaisseur,
               r.epaisseur_aleatoire, largeur_avant, r.ombre_1, r.ombre_2, r.largeur_ombre,
               r.nombre_clones, r.largeur_ecran, etat.centre_x, etat.centre_y,
               etat.couleur_crayon, etat.couleur_peinture, a.x, a.y, b.x, b.y, mode, couleur);
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
      const int largeur_avant = toile.pen.width;
      trace_symetrique(toile, r, aleatoire, etat, a, b, mode, couleur);
      un_par_un(reference, r, aleatoire_reference, etat_reference, a, b, mode, couleur);
      const std::string ecarts = differences(toile, reference);
      if (!ecarts.empty()) {
        decrire(toile, r, etat_reference, a, b, mode, couleur, largeur_avant);
        std::fprintf(stderr, "segment %d of the input; renderer against copy by copy:\n%s", i,
                     ecarts.c_str());
        echec("the renderer differs from painting copy by copy");
      }
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
