#include "drawing/outil_ellipse.h"

#include <algorithm>
#include <cstdint>

namespace orvane {

namespace {

constexpr int kLargeurElastiqueLigne = 1;
constexpr int kLargeurElastiqueArc = 3;
constexpr int kRayonMarqueur = 5;

int borne(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// 2p - q, kept within 32-bit coordinates.
Point symetrique(Point p, Point q) {
  return {borne(2 * std::int64_t{p.x} - q.x), borne(2 * std::int64_t{p.y} - q.y)};
}

}  // namespace

void OutilEllipse::trace_arc_ellipse(Canvas& canvas, Point a, Point b, Point c, int mode,
                                     Colour couleur, int largeur, const OmbreArc& ombre) const {
  orvane::trace_arc_ellipse(canvas, sinus_, cosinus_, a, b, c, mode, couleur, largeur, ombre);
  if (temoin.arc) temoin.arc(a, b, c, mode, couleur, largeur, ombre);
}

void OutilEllipse::dessine_elastique(Canvas& canvas, const Elastique& e) const {
  if (e.ligne) {
    trace_ligne(canvas, e.a, e.b, R2_XORPEN, e.couleur, kLargeurElastiqueLigne);
    if (temoin.ligne) temoin.ligne(e.a, e.b, R2_XORPEN, e.couleur, kLargeurElastiqueLigne);
  } else {
    trace_arc_ellipse(canvas, e.a, e.b, e.c, R2_XORPEN, e.couleur, kLargeurElastiqueArc);
  }
}

void OutilEllipse::efface_elastique(Canvas& canvas) {
  if (!elastique_visible) return;
  dessine_elastique(canvas, elastique_);
  elastique_visible = false;
}

// The circle is filled by XOR with the brush it was first drawn with; the canvas keeps
// its own brush.
void OutilEllipse::dessine_marqueur(Canvas& canvas, const Marqueur& m) const {
  canvas.pen.mode = R2_XORPEN;
  canvas.pen.width = 1;
  canvas.pen.color = m.couleur;
  const Brush pinceau = canvas.brush;
  canvas.brush = m.pinceau;
  const std::int64_t x = m.centre.x, y = m.centre.y;
  const int gauche = borne(x - kRayonMarqueur), haut = borne(y - kRayonMarqueur);
  const int droite = borne(x + kRayonMarqueur), bas = borne(y + kRayonMarqueur);
  canvas.Ellipse(gauche, haut, droite, bas);
  if (temoin.ellipse) temoin.ellipse(canvas, gauche, haut, droite, bas);
  canvas.brush = pinceau;
}

void OutilEllipse::efface_marqueur(Canvas& canvas) {
  if (!marqueur_.visible) return;
  dessine_marqueur(canvas, marqueur_);
  marqueur_.visible = false;
}

void OutilEllipse::deplace_marqueur(Canvas& canvas, Colour couleur_crayon, Point nouveau) {
  efface_marqueur(canvas);
  point_controle_x = nouveau.x;
  point_controle_y = nouveau.y;
  marqueur_ = {true, nouveau, couleur_crayon, canvas.brush};
  dessine_marqueur(canvas, marqueur_);
}

void OutilEllipse::place_controle_initial(Canvas& canvas, Colour couleur_crayon) {
  const int n = nb_points_ellipse;
  if (n < 2) return;
  deplace_marqueur(canvas, couleur_crayon, symetrique(point(n), point(n - 1)));
}

void OutilEllipse::place_controle_suivant(Canvas& canvas, Colour couleur_crayon) {
  const int n = nb_points_ellipse;
  if (n < 1) return;
  deplace_marqueur(canvas, couleur_crayon, symetrique(point(n), controle()));
}

bool OutilEllipse::appui_trace_un_arc() const {
  return nb_points_ellipse >= 2 && nb_points_ellipse < kMaxPoints;
}

void OutilEllipse::appui(Canvas& canvas, const ReglagesEllipse& reglages, Point p) {
  int n = nb_points_ellipse + 1;
  if (n > kMaxPoints) n = 1;  // a new chain from here; the marker and M stay
  nb_points_ellipse = n;
  points_ellipse_x[n] = p.x;
  points_ellipse_y[n] = p.y;
  if (n == 1) return;
  efface_elastique(canvas);
  if (n == 2) return;
  // The marker goes before the arc is painted: erased afterwards, it would be XOR-ed into
  // an arc that passes under it.
  efface_marqueur(canvas);
  const Point debut = n == 3 ? point(1) : point(n - 1);
  const Point controle_arc = n == 3 ? point(2) : controle();
  trace_arc_ellipse(canvas, debut, controle_arc, p, R2_COPYPEN, reglages.couleur_crayon,
                    reglages.epaisseur, reglages.ombre);
  if (n == 3) {
    place_controle_initial(canvas, reglages.couleur_crayon);
  } else {
    place_controle_suivant(canvas, reglages.couleur_crayon);
  }
}

void OutilEllipse::mouvement(Canvas& canvas, Colour couleur_crayon, Point p) {
  const int n = nb_points_ellipse;
  if (n <= 0) return;
  efface_elastique(canvas);
  Elastique e;
  e.couleur = couleur_crayon;
  if (n == 1) {
    e.ligne = true;
    e.a = point(1);
    e.b = p;
  } else {
    e.a = n == 2 ? point(1) : point(n);
    e.b = n == 2 ? point(2) : controle();
    e.c = p;
  }
  elastique_ = e;
  dessine_elastique(canvas, elastique_);
  elastique_visible = true;
}

void OutilEllipse::fin_de_courbe(Canvas& canvas) {
  effacer_figures(canvas);
  point_controle_x = -50;
  point_controle_y = -50;
  nb_points_ellipse = 0;
}

void OutilEllipse::effacer_figures(Canvas& canvas) {
  efface_elastique(canvas);
  efface_marqueur(canvas);
}

void OutilEllipse::oublier_figures() {
  elastique_visible = false;
  marqueur_.visible = false;
}

}  // namespace orvane
