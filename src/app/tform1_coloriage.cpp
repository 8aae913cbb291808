// The random colouring pass: the whole picture filled at random from sample points, and
// its stop button.
#include <QElapsedTimer>
#include <utility>

#include "app/filtre_passe.h"
#include "app/tform1.h"
#include "colour/coloriage_aleatoire.h"

namespace orvane {

namespace {

// Between two looks at the screen during a pass: often enough to see the picture grow and
// the percentages count, seldom enough that showing them does not slow the pass.
constexpr qint64 kIntervalleAffichageMs = 40;

void ecrire(TLabel* label, const QString& texte) {
  label->setCaption(texte);
  label->adjustSize();  // the labels are laid out for "X" and "Y"
}

}  // namespace

void TForm1::Panel6Click() { coloriage_aleatoire(); }

void TForm1::Panel_stopClick() { arret_demande = true; }

void TForm1::coloriage_aleatoire() {
  // The pass paints over everything: a rubber figure on screen goes first.
  effacer_figures_elastiques();
  systeme_.curseur_ecran(crHourGlass);
  const PasseFiltree passe(*filtre_passe_);
  for (TLabel* label : {Label_x, Label_y}) {
    ecrire(label, QStringLiteral("---"));
    label->repaint();
  }
  arret_demande = false;
  const int peindre_dessiner = RadioGroup_peindre_dessiner->ItemIndex();
  const int couleur_peinture_choisie = RadioGroup_couleur_peinture->ItemIndex();
  RadioGroup_peindre_dessiner->setItemIndex(1);
  RadioGroup_couleur_peinture->setItemIndex(0);
  // Both groups end as they were: the paint colour's first, as its reaction selects
  // "peind tant que", and the draw mode's then.
  const auto restaurer = [&] {
    RadioGroup_couleur_peinture->setItemIndex(couleur_peinture_choisie);
    RadioGroup_peindre_dessiner->setItemIndex(peindre_dessiner);
    systeme_.curseur_ecran(crArrow);
  };
  try {
    parcours_coloriage();
  } catch (...) {
    restaurer();
    throw;
  }
  restaurer();
  wb();
  vide_clavier();
}

void TForm1::vide_clavier() {
  // Under the filter the waiting keys reach nothing; the mouse events it holds go back to
  // the queue when the pass ends.
  const PasseFiltree passe(*filtre_passe_);
  FiltrePasse::traiter_evenements();
}

void TForm1::parcours_coloriage() {
  QElapsedTimer depuis_affichage;
  const auto montrer = [&] {
    if (depuis_affichage.isValid() && depuis_affichage.elapsed() < kIntervalleAffichageMs) {
      return;
    }
    Image1->rafraichir();
    FiltrePasse::traiter_evenements();
    depuis_affichage.start();
  };
  EnvironnementColoriage env;
  env.couleur_aleatoire = [this] { return coul_aleatoire(); };
  env.remplir = [this](Point p, Colour c) { trace_symetrique(p, p, mode_crayon, c); };
  env.pointeur = [this] {
    return Image1->versPixel(Image1->mapFromGlobal(QPointF(systeme_.GetCursorPos())));
  };
  env.montrer_peinture = [this](Colour c) { Panel_peinture->setColor(c); };
  env.legende_x = [&](const std::string& t) {
    ecrire(Label_x, QString::fromStdString(t));
    montrer();
  };
  env.legende_y = [&](const std::string& t) {
    ecrire(Label_y, QString::fromStdString(t));
    montrer();
  };
  env.arret_demande = [this] { return arret_demande; };

  const Canvas& toile = std::as_const(*Image1).canvas();
  if (parcours_en_ligne_pour(RadioGroup_symetrie->ItemIndex())) {
    parcours_en_ligne(toile, centre_y, couleur_peinture, env);
  } else {
    parcours_en_grille(toile, couleur_crayon, couleur_peinture, aleatoire, env);
  }
  Image1->rafraichir();
}

}  // namespace orvane
