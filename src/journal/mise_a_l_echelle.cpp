#include "journal/mise_a_l_echelle.h"

#include <algorithm>
#include <limits>

namespace orvane {

namespace {

int borne_32(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

std::int64_t fois(int v, int k) { return static_cast<std::int64_t>(v) * k; }

// A pen of even width w covers, at scale 1, the pixels around its points moved by half a
// pixel right and down; K w wide at scale K it moves by half a pixel only. Its points go
// K / 2 further right and down, so that its lines cover the blocks of those pixels.
int decalage_pair(int largeur, int k) { return largeur >= 2 && largeur % 2 == 0 ? k / 2 : 0; }

Point decale(Point p, int d) {
  return {borne_32(std::int64_t{p.x} + d), borne_32(std::int64_t{p.y} + d)};
}

}  // namespace

int point_a_l_echelle(int v, int k) {
  if (k == 1) return v;
  // The middle of the block is K p + (K - 1) / 2; the integer below it for an even K.
  return borne_32(fois(v, k) + (k - 1) / 2);
}

Point point_a_l_echelle(Point p, int k) {
  return {point_a_l_echelle(p.x, k), point_a_l_echelle(p.y, k)};
}

int bord_a_l_echelle(int v, int k) { return borne_32(fois(v, k)); }

int largeur_a_l_echelle(int largeur, int k) {
  if (k == 1) return largeur;
  return borne_32(fois(std::max(largeur, 1), k));
}

EntreeTrait a_l_echelle(const EntreeTrait& e, int k) {
  if (k == 1) return e;
  EntreeTrait r = e;
  r.a = point_a_l_echelle(e.a, k);
  r.b = point_a_l_echelle(e.b, k);
  r.centre = point_a_l_echelle(e.centre, k);
  r.largeur = largeur_a_l_echelle(e.largeur, k);
  r.reglages.epaisseur = largeur_a_l_echelle(e.reglages.epaisseur, k);
  // A shadow of w lines of width 2, each a pixel further, keeps its w lines (and so its w
  // shades), each 2 K wide and K pixels further.
  r.reglages.epaisseur_ombre = largeur_a_l_echelle(e.reglages.epaisseur_ombre, k);
  r.reglages.pas_ombre = borne_32(fois(std::max(e.reglages.pas_ombre, 1), k));
  // Copies fall where scale 1 rounds them, K times further: a fill copy rounded otherwise
  // could fall beside a thin line instead of on it, and lines in the mix modes would
  // overlap elsewhere.
  r.reglages.echelle_grille = k;
  r.reglages.origine_grille = point_a_l_echelle(0, k);
  if (e.reglages.peindre_dessiner == 0) {
    const bool ombre = e.reglages.ombre_1 || e.reglages.ombre_2;
    const int d = decalage_pair(ombre ? e.reglages.epaisseur_ombre : e.largeur, k);
    r.a = decale(r.a, d);
    r.b = decale(r.b, d);
    r.centre = decale(r.centre, d);
    r.reglages.origine_grille += d;
  }
  return r;
}

EntreeEllipse a_l_echelle(const EntreeEllipse& e, int k) {
  if (k == 1) return e;
  EntreeEllipse r = e;
  r.gauche = bord_a_l_echelle(e.gauche, k);
  r.haut = bord_a_l_echelle(e.haut, k);
  r.droite = bord_a_l_echelle(e.droite, k);
  r.bas = bord_a_l_echelle(e.bas, k);
  r.largeur = largeur_a_l_echelle(e.largeur, k);
  return r;
}

EntreeLigne a_l_echelle(const EntreeLigne& e, int k) {
  if (k == 1) return e;
  EntreeLigne r = e;
  r.a = point_a_l_echelle(e.a, k);
  r.b = point_a_l_echelle(e.b, k);
  r.largeur = largeur_a_l_echelle(e.largeur, k);
  const int d = decalage_pair(e.largeur, k);
  r.a = decale(r.a, d);
  r.b = decale(r.b, d);
  return r;
}

EntreeArc a_l_echelle(const EntreeArc& e, int k) {
  if (k == 1) return e;
  EntreeArc r = e;
  r.a = point_a_l_echelle(e.a, k);
  r.b = point_a_l_echelle(e.b, k);
  r.c = point_a_l_echelle(e.c, k);
  r.largeur = largeur_a_l_echelle(e.largeur, k);
  // The shadow's w dots, each K times as wide and K pixels further, keep the w shades of
  // scale 1 (one-pixel dots leave nothing at any scale).
  r.ombre.echelle = k;
  // A shaded arc (not in XOR) draws dots of the shadow's width, any other its pen's.
  const bool ombre = e.mode != R2_XORPEN && e.ombre.active();
  const int d = decalage_pair(ombre ? e.ombre.largeur : e.largeur, k);
  r.a = decale(r.a, d);
  r.b = decale(r.b, d);
  r.c = decale(r.c, d);
  return r;
}

Bitmap a_l_echelle(const Bitmap& image, int k, int largeur, int hauteur, Veille* veille) {
  const int l = std::min(image.width(), largeur), h = std::min(image.height(), hauteur);
  if (k == 1 && l == image.width() && h == image.height()) return image;
  Bitmap r(l * k, h * k, 0, veille);
  for (int y = 0; y < h; ++y) {
    const Colour* source = image.row(y);
    Colour* premiere = r.row(y * k);
    for (int x = 0; x < l; ++x) std::fill_n(premiere + x * k, k, source[x]);
    for (int i = 1; i < k; ++i) std::copy_n(premiere, r.width(), r.row(y * k + i));
    veiller_pixels(veille, std::int64_t{r.width()} * k);
  }
  return r;
}

void peindre_a_l_echelle(Canvas& toile, const Bitmap& image, int k, int largeur, int hauteur,
                         Veille* veille) {
  const std::int64_t l = std::min(image.width(), largeur), h = std::min(image.height(), hauteur);
  const Rect zone = Rect{0, 0, static_cast<int>(std::min<std::int64_t>(l * k, INT32_MAX)),
                         static_cast<int>(std::min<std::int64_t>(h * k, INT32_MAX))}
                        .intersected(toile.clip());
  if (zone.empty()) return;
  Bitmap& cible = toile.bitmap();
  for (int y = zone.top; y < zone.bottom; ++y) {
    Colour* ligne = cible.row(y);
    if (y > zone.top && (y - 1) / k == y / k) {
      std::copy_n(cible.row(y - 1), zone.right, ligne);
    } else {
      const Colour* source = image.row(y / k);
      for (int x = 0; x < zone.right; x += k)
        std::fill_n(ligne + x, std::min(k, zone.right - x), source[x / k] & 0xFFFFFFu);
    }
    veiller_pixels(veille, zone.right);
  }
  toile.markDirty(zone);
}

bool sans_effet(const EntreeTrait& e) {
  const bool ombre = e.reglages.ombre_1 || e.reglages.ombre_2;
  return e.a == e.b && e.reglages.peindre_dessiner == 0 && e.largeur <= 1 && !ombre;
}

}  // namespace orvane
