#include "drawing/trace_segment.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "drawing/arrondi.h"

namespace orvane {

namespace {

// A copy's end points rounded to whole pixels, kept in 64 bits until the offsets of the
// clone and the shadow line are added.
struct SegmentEntier {
  std::int64_t x1, y1, x2, y2;
};

bool arrondi_copie(const Copie& c, double d, SegmentEntier& s) {
  return arrondi_64(c.x1 + d, s.x1) && arrondi_64(c.y1, s.y1) &&
         arrondi_64(c.x2 + d, s.x2) && arrondi_64(c.y2, s.y2);
}

// Draws the segment shifted by i right and down; a line that would not fit the 32-bit
// coordinates of the canvas is skipped.
void ligne(Canvas& canvas, const SegmentEntier& s, std::int64_t i = 0) {
  const std::int64_t x1 = s.x1 + i, y1 = s.y1 + i, x2 = s.x2 + i, y2 = s.y2 + i;
  if (!tient_sur_32_bits(x1) || !tient_sur_32_bits(y1) || !tient_sur_32_bits(x2) ||
      !tient_sur_32_bits(y2)) {
    return;
  }
  canvas.MoveTo(static_cast<int>(x1), static_cast<int>(y1));
  canvas.LineTo(static_cast<int>(x2), static_cast<int>(y2));
}

void remplissage(Canvas& canvas, const ReglagesTrace& reglages, const EtatTrace& etat,
                 const Copie& copie, Colour couleur_segment) {
  canvas.brush.style = BrushStyle::Solid;
  canvas.pen.color = etat.couleur_peinture;
  canvas.brush.color = canvas.pen.color;
  std::int64_t px = 0, py = 0;
  if (!arrondi_64(copie.x2, px) || !arrondi_64(copie.y2, py) || !tient_sur_32_bits(px) ||
      !tient_sur_32_bits(py)) {
    return;  // far outside the picture: there is nothing to fill
  }
  const int x = static_cast<int>(px), y = static_cast<int>(py);
  if (reglages.peindre_dessiner == 2) {
    canvas.FloodFill(x, y, etat.couleur_crayon, FloodFillType::Border);
    return;
  }
  const Colour c = canvas.Pixels(x, y);
  if (c != couleur_segment) canvas.FloodFill(x, y, c, FloodFillType::Surface);
}

Colour assombri(Aleatoire& aleatoire, EtatTrace& etat) {
  etat.rouge_crayon = rouge(etat.couleur_crayon);
  etat.vert_crayon = vert(etat.couleur_crayon);
  etat.bleu_crayon = bleu(etat.couleur_crayon);
  constexpr int k = 10;
  const int m = aleatoire.Random(k / 4) + (k / 4) * 3;
  return RGB(etat.rouge_crayon * m / 10, etat.vert_crayon * m / 10, etat.bleu_crayon * m / 10);
}

Colour teinte_ombre(const ReglagesTrace& reglages, Colour couleur, int i, int largeur) {
  double b = 1 - static_cast<double>(i) / largeur;
  if (reglages.ombre_1) b = b * b;
  if (reglages.ombre_2) b = std::fabs(std::sin(3.14 * b));
  const auto composante = [b](int v) { return static_cast<int>(arrondi(v * b)); };
  return RGB(composante(rouge(couleur)), composante(vert(couleur)), composante(bleu(couleur)));
}

// The graded shadow: lines of width 2, each one pixel further right and down. Only the
// lines that can touch the canvas are drawn, so a wide shadow costs at most the canvas
// size; the pen is left as the last line would leave it.
void ombre(Canvas& canvas, const ReglagesTrace& reglages, const Copie& copie, double d,
           Colour couleur) {
  const int largeur = reglages.largeur_ombre;
  if (largeur < 1) return;
  constexpr int epaisseur = 2;
  canvas.pen.width = epaisseur;
  const Colour derniere = teinte_ombre(reglages, couleur, largeur - 1, largeur);
  SegmentEntier s{};
  if (!arrondi_copie(copie, d, s)) {
    canvas.pen.color = derniere;
    return;
  }
  // Lines before `debut` lie left of or above the canvas, lines from `fin` on past it.
  const std::int64_t debut = std::max<std::int64_t>(
      {0, -epaisseur - std::max(s.x1, s.x2), -epaisseur - std::max(s.y1, s.y2)});
  const std::int64_t fin = std::min<std::int64_t>(
      {largeur, canvas.width() + epaisseur + 1 - std::min(s.x1, s.x2),
       canvas.height() + epaisseur + 1 - std::min(s.y1, s.y2)});
  for (std::int64_t i = debut; i < fin; ++i) {
    canvas.pen.color = teinte_ombre(reglages, couleur, static_cast<int>(i), largeur);
    ligne(canvas, s, i);
  }
  canvas.pen.color = derniere;
}

void ligne_ou_ombre(Canvas& canvas, const ReglagesTrace& reglages, const Copie& copie,
                    double d, Colour couleur) {
  if (reglages.ombre_1 || reglages.ombre_2) {
    ombre(canvas, reglages, copie, d, couleur);
    return;
  }
  SegmentEntier s{};
  if (arrondi_copie(copie, d, s)) ligne(canvas, s);
}

}  // namespace

void trace_segment(Canvas& canvas, const ReglagesTrace& reglages, Aleatoire& aleatoire,
                   EtatTrace& etat, const Copie& copie, Colour& couleur_segment) {
  if (reglages.peindre_dessiner == 1 || reglages.peindre_dessiner == 2) {
    remplissage(canvas, reglages, etat, copie, couleur_segment);
    return;
  }
  if (reglages.peindre_dessiner == 0 && reglages.type_trace == 0 &&
      reglages.epaisseur_aleatoire) {
    couleur_segment = assombri(aleatoire, etat);
  }

  // A count below 1 would divide by zero in the spacing: it draws as a single copy.
  const int n = reglages.nombre_clones;
  if (n <= 1) {
    if (!reglages.ombre_1 && !reglages.ombre_2) canvas.pen.color = couleur_segment;
    ligne_ou_ombre(canvas, reglages, copie, 0, couleur_segment);
    return;
  }
  const std::int64_t h0 = (static_cast<std::int64_t>(n) + 1) / 2;
  const std::int64_t espacement = reglages.largeur_ecran / (2 * h0);
  // With no spacing the 2h + 1 clones, an odd number, fall on one place; a mix mode
  // repeated an odd number of times over the same pixels acts as once.
  const std::int64_t h = espacement == 0 ? 0 : n % 2 == 1 ? h0 - 1 : h0;
  // Clones without a shadow keep the pen colour the renderer set.
  for (std::int64_t j = -h; j <= h; ++j) {
    ligne_ou_ombre(canvas, reglages, copie, static_cast<double>(j * espacement),
                   couleur_segment);
  }
}

}  // namespace orvane
