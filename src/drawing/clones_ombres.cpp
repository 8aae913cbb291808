#include "drawing/clones_ombres.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "drawing/arrondi.h"
#include "drawing/ombre_visible.h"
#include "platform/capsule.h"
#include "platform/mix_op.h"

namespace orvane {

namespace {

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

// The clones of a copy and its shadow lines are one wide line moved by whole pixels:
// rasterised once here, then painted at each place. A place whose rounding does not give
// the moved line exactly (a coordinate next to a half) is drawn on its own.
class LigneDeplacee {
 public:
  LigneDeplacee(Canvas& canvas, const SegmentEntier& base, int epaisseur, std::int64_t haut,
                std::int64_t bas)
      : canvas_(canvas), base_(base) {
    pret_ = epaisseur > 1 && tient_sur_32_bits(base.x1) && tient_sur_32_bits(base.y1) &&
            tient_sur_32_bits(base.x2) && tient_sur_32_bits(base.y2) &&
            tient_sur_32_bits(haut) && tient_sur_32_bits(bas);
    if (!pret_) return;
    const Rect limites{INT_MIN + 2, static_cast<int>(haut), INT_MAX - 2, static_cast<int>(bas)};
    capsuleSpans({static_cast<int>(base.x1), static_cast<int>(base.y1)},
                 {static_cast<int>(base.x2), static_cast<int>(base.y2)}, epaisseur, limites,
                 forme_);
  }

  // The segment s moved i pixels right and down, as LineTo would draw it.
  void tracer(const SegmentEntier& s, std::int64_t i) {
    const std::int64_t dx = s.x1 - base_.x1 + i, dy = s.y1 - base_.y1 + i;
    const bool deplace = s.x2 - base_.x2 + i == dx && s.y2 - base_.y2 + i == dy;
    if (!pret_ || !deplace) {
      ligne(canvas_, s, i);
      return;
    }
    if (!tient_sur_32_bits(s.x1 + i) || !tient_sur_32_bits(s.y1 + i) ||
        !tient_sur_32_bits(s.x2 + i) || !tient_sur_32_bits(s.y2 + i)) {
      return;
    }
    canvas_.paintMoved(forme_, dx, dy);
  }

 bool pret() const { return pret_; }
  const RowSpans& forme() const { return forme_; }
  ComposedShape& composition() { return composition_; }

 private:
  Canvas& canvas_;
  SegmentEntier base_;
  bool pret_ = false;
  RowSpans forme_;
  ComposedShape composition_;
};

// Divisions by a positive step rounded down and up, whatever the sign.
std::int64_t division_basse(std::int64_t a, std::int64_t b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}
std::int64_t division_haute(std::int64_t a, std::int64_t b) { return -division_basse(-a, b); }

struct Clone {
  SegmentEntier s;
  LignesVisibles visibles;
};

// Whether clones of a shape this wide at these places never cover one pixel twice.
bool sans_chevauchement(const ComposedShape& forme, const std::vector<std::int64_t>& places) {
  const std::int64_t largeur = forme.widestRow();
  for (std::size_t k = 1; k < places.size(); ++k) {
    if (places[k] - places[k - 1] < largeur) return false;
  }
  return true;
}

// Adds a copy's composed shadow after those held back when it covers the same pixels,
// otherwise applies those and holds this one back instead.
void cumuler(Canvas& canvas, OmbresCumulees& cumul, const SegmentEntier& base,
             std::int64_t debut, std::int64_t fin, const std::vector<std::int64_t>& places,
             ComposedShape& ombre) {
  if (cumul.actif && cumul.base == base && cumul.debut == debut && cumul.fin == fin &&
      cumul.places == places && sans_chevauchement(ombre, places) && cumul.cumul.then(ombre)) {
    return;
  }
  appliquer_ombres(canvas, cumul);
  cumul.actif = true;
  cumul.base = base;
  cumul.debut = debut;
  cumul.fin = fin;
  cumul.places = places;
  std::swap(cumul.cumul, ombre);
}

// Past this many cells a composed shadow would cost more memory than it spares.
constexpr std::size_t kCellulesMax = std::size_t{1} << 21;

// The shadow lines [debut, fin) of the first clone composed into one shape, then applied at
// every clone: exact whatever the mix mode, since the lines keep their order over each
// pixel and each clone is applied after the one before. Lines outside a clone's visible
// range never touch the canvas, so composing them in changes nothing. False, with nothing
// painted, when the clones are not all the first one moved sideways or a line would not
// fit the canvas's coordinates.
bool ombre_composee(Canvas& canvas, LigneDeplacee& ligne_base,
                    const std::vector<Clone>& clones, std::int64_t debut, std::int64_t fin,
                    std::int64_t pas, const std::vector<Colour>& teintes,
                    OmbresCumulees* cumul) {
  if (clones.size() < 2 || !ligne_base.pret()) return false;
  const SegmentEntier& base = clones.front().s;
  for (const Clone& c : clones) {
    const std::int64_t d = c.s.x1 - base.x1;
    if (c.s.x2 - base.x2 != d || c.s.y1 != base.y1 || c.s.y2 != base.y2) return false;
    for (std::int64_t i : {c.visibles.debut * pas, (c.visibles.fin - 1) * pas}) {
      if (!tient_sur_32_bits(c.s.x1 + i) || !tient_sur_32_bits(c.s.x2 + i) ||
          !tient_sur_32_bits(c.s.y1 + i) || !tient_sur_32_bits(c.s.y2 + i)) {
        return false;
      }
    }
  }
  // Only the rows the moved lines reach: a short line's composition stays small.
  ComposedShape& ombre = ligne_base.composition();
  const Rect& forme = ligne_base.forme().bounds();
  const Rect bande = canvas.clip();
  ombre.begin(
      static_cast<int>(std::clamp<std::int64_t>(forme.top + debut * pas, bande.top, bande.bottom)),
      static_cast<int>(
          std::clamp<std::int64_t>(forme.bottom + (fin - 1) * pas, bande.top, bande.bottom)));
  for (std::int64_t i = debut; i < fin; ++i) ombre.reserve(ligne_base.forme(), i * pas, i * pas);
  if (!ombre.allocate(kCellulesMax)) return false;
  for (std::int64_t i = debut; i < fin; ++i) {
    ombre.add(ligne_base.forme(), i * pas, i * pas,
              MixOp::of(canvas.pen.mode, teintes[static_cast<std::size_t>(i - debut)]));
  }
  std::vector<std::int64_t> places;
  places.reserve(clones.size());
  for (const Clone& c : clones) places.push_back(c.s.x1 - base.x1);
  if (cumul == nullptr) {
    canvas.paintComposed(ombre, places);
  } else {
    cumuler(canvas, *cumul, base, debut, fin, places, ombre);
  }
  return true;
}

}  // namespace

Colour teinte_ombre(const ReglagesTrace& reglages, Colour couleur, int i, int largeur) {
  double b = 1 - static_cast<double>(i) / largeur;
  if (reglages.ombre_1) b = b * b;
  if (reglages.ombre_2) b = std::fabs(std::sin(3.14 * b));
  const auto composante = [b](int v) { return static_cast<int>(arrondi(v * b)); };
  return RGB(composante(rouge(couleur)), composante(vert(couleur)), composante(bleu(couleur)));
}

namespace {

std::vector<Colour> teintes_lignes(const ReglagesTrace& reglages, Colour couleur,
                                   std::int64_t debut, std::int64_t fin) {
  std::vector<Colour> teintes(static_cast<std::size_t>(fin - debut));
  for (std::int64_t i = debut; i < fin; ++i) {
    teintes[static_cast<std::size_t>(i - debut)] =
        teinte_ombre(reglages, couleur, static_cast<int>(i), reglages.largeur_ombre);
  }
  return teintes;
}

const std::vector<Colour>& teintes_gardees(OmbresCumulees& cumul, const ReglagesTrace& reglages,
                                           Colour couleur, std::int64_t debut,
                                           std::int64_t fin) {
  for (const OmbresCumulees::Teintes& t : cumul.teintes) {
    if (t.couleur == couleur && t.debut == debut && t.fin == fin) return t.teintes;
  }
  constexpr std::size_t kGardees = 8;
  if (cumul.teintes.size() == kGardees) cumul.teintes.erase(cumul.teintes.begin());
  cumul.teintes.push_back({couleur, debut, fin, teintes_lignes(reglages, couleur, debut, fin)});
  return cumul.teintes.back().teintes;
}

}  // namespace

// The clone offsets of a copy, leftmost first.
std::vector<std::int64_t> decalages_clones(const ReglagesTrace& reglages) {
  // A count below 1 would divide by zero in the spacing: it draws as a single copy.
  const int n = reglages.nombre_clones;
  if (n <= 1) return {0};
  const std::int64_t espacement = espacement_clones(reglages);
  // With no spacing the 2h + 1 clones, an odd number, fall on one place; a mix mode
  // repeated an odd number of times over the same pixels acts as once.
  const std::int64_t h0 = (static_cast<std::int64_t>(n) + 1) / 2;
  const std::int64_t h = espacement == 0 ? 0 : n % 2 == 1 ? h0 - 1 : h0;
  std::vector<std::int64_t> d;
  d.reserve(static_cast<std::size_t>(2 * h + 1));
  for (std::int64_t j = -h; j <= h; ++j) d.push_back(j * espacement);
  return d;
}

// The graded shadow of every clone: lines of the shadow's pen width, each one step (a
// pixel, K in a re-drawing at scale K) further right and down. Only the lines that can
// touch the canvas are drawn, so a wide shadow costs at most the canvas size; the pen is
// left as the last line would leave it.
void ombres(Canvas& canvas, const ReglagesTrace& reglages, const Copie& copie,
            const std::vector<std::int64_t>& decalages, Colour couleur,
            OmbresCumulees* cumul) {
  const int largeur = reglages.largeur_ombre;
  if (largeur < 1) return;
  const int epaisseur = reglages.epaisseur_ombre;
  const std::int64_t pas = std::max(1, reglages.pas_ombre);
  const std::int64_t etendue = std::min<std::int64_t>(largeur * pas, INT32_MAX);
  canvas.pen.width = epaisseur;
  const Colour derniere = teinte_ombre(reglages, couleur, largeur - 1, largeur);
  std::vector<Clone> clones;
  clones.reserve(decalages.size());
  std::int64_t debut = largeur, fin = 0;
  for (std::int64_t d : decalages) {
    Clone c{};
    if (!arrondi_copie(copie, static_cast<double>(d), c.s)) continue;
    // Visible shifts in pixels, then the lines whose shift falls among them.
    const LignesVisibles en_pixels = lignes_ombre_visibles(
        c.s, static_cast<int>(etendue), epaisseur, canvas.width(), canvas.height());
    c.visibles.debut = (en_pixels.debut + pas - 1) / pas;
    c.visibles.fin = std::min<std::int64_t>(largeur, (en_pixels.fin + pas - 1) / pas);
    if (c.visibles.debut >= c.visibles.fin) continue;
    debut = std::min(debut, c.visibles.debut);
    fin = std::max(fin, c.visibles.fin);
    clones.push_back(c);
  }
  if (!clones.empty()) {
    std::vector<Colour> locales;
    const std::vector<Colour>& teintes =
        cumul != nullptr ? teintes_gardees(*cumul, reglages, couleur, debut, fin)
                         : (locales = teintes_lignes(reglages, couleur, debut, fin));
    // Line i shows the base's rows moved i down: those reaching the band are enough.
    const Rect bande = canvas.clip();
    LigneDeplacee ligne_base(canvas, clones.front().s, epaisseur, bande.top - (fin - 1) * pas,
                             bande.bottom - debut * pas);
    if (!ombre_composee(canvas, ligne_base, clones, debut, fin, pas, teintes, cumul)) {
      if (cumul != nullptr) appliquer_ombres(canvas, *cumul);
      for (const Clone& c : clones) {
        for (std::int64_t i = c.visibles.debut; i < c.visibles.fin; ++i) {
          canvas.pen.color = teintes[static_cast<std::size_t>(i - debut)];
          ligne_base.tracer(c.s, i * pas);
        }
      }
    }
  }
  canvas.pen.color = derniere;
}

void lignes(Canvas& canvas, const Copie& copie, const std::vector<std::int64_t>& decalages) {
  std::vector<SegmentEntier> segments;
  segments.reserve(decalages.size());
  for (std::int64_t d : decalages) {
    SegmentEntier s{};
    if (arrondi_copie(copie, static_cast<double>(d), s)) segments.push_back(s);
  }
  if (segments.empty()) return;
  if (canvas.pen.width <= 1 || segments.size() == 1) {
    for (const SegmentEntier& s : segments) ligne(canvas, s);
    return;
  }
  LigneDeplacee ligne_base(canvas, segments.front(), canvas.pen.width, canvas.clip().top,
                           canvas.clip().bottom);
  // The clones one beside the other, every row in one sweep, when each is the first moved
  // sideways and within the canvas's coordinates.
  const SegmentEntier& base = segments.front();
  std::vector<std::int64_t> places;
  places.reserve(segments.size());
  for (const SegmentEntier& s : segments) {
    const std::int64_t d = s.x1 - base.x1;
    if (s.x2 - base.x2 != d || s.y1 != base.y1 || s.y2 != base.y2 ||
        !tient_sur_32_bits(s.x1) || !tient_sur_32_bits(s.x2)) {
      break;
    }
    places.push_back(d);
  }
  if (!ligne_base.pret() || places.size() != segments.size()) {
    for (const SegmentEntier& s : segments) ligne_base.tracer(s, 0);
    return;
  }
  canvas.paintMovedRow(ligne_base.forme(), places);
}

void appliquer_ombres(Canvas& canvas, OmbresCumulees& cumul) {
  if (!cumul.actif) return;
  canvas.paintComposed(cumul.cumul, cumul.places);
  cumul.actif = false;
}

std::int64_t espacement_clones(const ReglagesTrace& reglages) {
  const std::int64_t h0 = (static_cast<std::int64_t>(reglages.nombre_clones) + 1) / 2;
  // At scale K, K times the spacing scale 1 rounded.
  return h0 < 1 ? 0 : reglages.largeur_ecran / (2 * h0) * std::max(1, reglages.echelle_grille);
}

std::optional<Point> position_apres_copie(const ReglagesTrace& reglages, const Copie& copie) {
  const bool ombre = reglages.ombre_1 || reglages.ombre_2;
  // Line i of the shadow is drawn i steps right and down, from 0 to the width - 1.
  const std::int64_t derniere_ligne = ombre ? std::int64_t{reglages.largeur_ombre} - 1 : 0;
  if (derniere_ligne < 0) return std::nullopt;
  const std::int64_t pas = ombre ? std::max(1, reglages.pas_ombre) : 1;
  const std::vector<std::int64_t> decalages = decalages_clones(reglages);
  for (auto d = decalages.rbegin(); d != decalages.rend(); ++d) {
    SegmentEntier s{};
    if (!arrondi_copie(copie, static_cast<double>(*d), s)) continue;
    // The shifts i for which all four coordinates fit: the last of them ends the clone.
    std::int64_t i_min = 0, i_max = derniere_ligne;
    for (const std::int64_t v : {s.x1, s.y1, s.x2, s.y2}) {
      i_min = std::max<std::int64_t>(i_min, division_haute(std::int64_t{INT_MIN} - v, pas));
      i_max = std::min<std::int64_t>(i_max, division_basse(std::int64_t{INT_MAX} - v, pas));
    }
    if (i_min <= i_max) {
      return Point{static_cast<int>(s.x2 + i_max * pas), static_cast<int>(s.y2 + i_max * pas)};
    }
  }
  return std::nullopt;
}

}  // namespace orvane
