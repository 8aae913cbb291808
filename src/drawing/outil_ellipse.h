#pragma once

#include <array>
#include <functional>

#include "drawing/arc_ellipse.h"
#include "platform/canvas.h"

namespace orvane {

// What a press of the elliptic tool reads from the palette.
struct ReglagesEllipse {
  Colour couleur_crayon = 0x008000;
  int epaisseur = 1;  // t: the arcs' pen width without a shadow
  OmbreArc ombre;     // its width is needed only by a press that draws an arc
};

// The elliptic tool "délié elliptique": clicked points joined by one smooth chain of
// quarter-ellipse arcs. The rubber figure and the control point's marker are drawn in XOR
// on the picture and erased by drawing them again, exactly as they were drawn: the tool
// remembers each figure it left on the canvas rather than recomputing it, so a press
// without a move before it, a changed colour or brush, or the wrap after 100 points never
// leaves a trace.
class OutilEllipse {
 public:
  static constexpr int kMaxPoints = 100;
  // The tables must outlive the tool.
  OutilEllipse(const TableQuart& sinus, const TableQuart& cosinus)
      : sinus_(sinus), cosinus_(cosinus) {}

  // Points of the current curve, P1 .. Pn at indices 1 .. n; 0: no curve under way.
  int nb_points_ellipse = 0;
  std::array<int, kMaxPoints + 1> points_ellipse_x{};
  std::array<int, kMaxPoints + 1> points_ellipse_y{};
  // M, the control point of the next arc; (-50, -50) when there is none.
  int point_controle_x = -50;
  int point_controle_y = -50;
  // The rubber figure is on the canvas.
  bool elastique_visible = false;

  // Told of everything the tool draws on the canvas, just after it is drawn (a journal
  // keeps it): its lines, its arcs, and the marker's ellipse with the pen and brush it was
  // drawn with.
  struct Temoin {
    std::function<void(Point a, Point b, int mode, Colour couleur, int largeur)> ligne;
    std::function<void(Point a, Point b, Point c, int mode, Colour couleur, int largeur,
                       const OmbreArc& ombre)>
        arc;
    std::function<void(const Canvas& canvas, int gauche, int haut, int droite, int bas)> ellipse;
  };
  Temoin temoin;

  // Left press at p: the next point; from the third point on, the next arc in copy mode.
  void appui(Canvas& canvas, const ReglagesEllipse& reglages, Point p);
  // Pointer at p: the rubber figure follows it. Nothing without a curve under way.
  void mouvement(Canvas& canvas, Colour couleur_crayon, Point p);
  // Right release: the rubber figure and the marker go, the curve ends.
  void fin_de_courbe(Canvas& canvas);
  // The canvas was replaced: the figures drawn on it are gone with it. The curve goes on.
  void oublier_figures();
  // The rubber figure and the marker erased where they are shown; the curve goes on.
  void effacer_figures(Canvas& canvas);
  // Whether the next press draws an arc, and so needs the shadow width.
  bool appui_trace_un_arc() const;

  void trace_arc_ellipse(Canvas& canvas, Point a, Point b, Point c, int mode, Colour couleur,
                         int largeur, const OmbreArc& ombre = {}) const;
  // M := 2 Pn - Pn-1, the marker following it; nothing while n < 2.
  void place_controle_initial(Canvas& canvas, Colour couleur_crayon);
  // M := 2 Pn - M, the marker following it; nothing while n < 1.
  void place_controle_suivant(Canvas& canvas, Colour couleur_crayon);

 private:
  // A figure drawn in XOR, kept to draw it once more.
  struct Elastique {
    bool ligne = false;  // a line of width 1, else an arc of width 3
    Point a, b, c;
    Colour couleur = 0;
  };
  struct Marqueur {
    bool visible = false;
    Point centre;
    Colour couleur = 0;
    Brush pinceau;
  };

  Point point(int k) const { return {points_ellipse_x[k], points_ellipse_y[k]}; }
  Point controle() const { return {point_controle_x, point_controle_y}; }
  void dessine_elastique(Canvas& canvas, const Elastique& e) const;
  void efface_elastique(Canvas& canvas);
  void dessine_marqueur(Canvas& canvas, const Marqueur& m) const;
  void efface_marqueur(Canvas& canvas);
  void deplace_marqueur(Canvas& canvas, Colour couleur_crayon, Point nouveau);

  const TableQuart& sinus_;
  const TableQuart& cosinus_;
  Elastique elastique_;
  Marqueur marqueur_;
};

}  // namespace orvane
