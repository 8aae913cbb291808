// The form description: every control with its parent, place, size, look and default.
#include <QFont>
#include <algorithm>

#include "app/controls/couleurs_qt.h"
#include "app/nombres.h"
#include "app/tform1.h"

namespace orvane {

namespace {

// The palette was laid out for a narrower face than the ones a Linux desktop has; a
// slightly smaller size keeps every caption inside its control.
QFont police(int pixels, bool gras = false) {
  QFont f(QStringLiteral("DejaVu Sans Condensed"));
  f.setPixelSize(std::max(8, pixels * 5 / 6));
  f.setBold(gras);
  return f;
}

template <typename T>
T* placer(T* controle, int left, int top, int width, int height, int pixels = 11) {
  controle->setGeometry(left, top, width, height);
  controle->setFont(police(pixels));
  return controle;
}

TLabel* label(QWidget* parent, const QString& caption, int l, int t, int w, int h,
              Colour couleur = clBlack, int pixels = 11) {
  auto* lab = placer(new TLabel(parent), l, t, w, h, pixels);
  lab->setCaption(caption);
  lab->setFontColor(couleur);
  return lab;
}

TPanel* bouton(QWidget* parent, const QString& caption, int l, int t, int w, int h,
               Colour couleur = clSilver, Colour texte = clBlack) {
  auto* p = placer(new TPanel(parent), l, t, w, h);
  p->setCaption(caption);
  p->setColor(couleur);
  p->setFontColor(texte);
  return p;
}

TEdit* edit_nombre(QWidget* parent, const QString& texte, int l, int t, int w, int h,
                   bool lecture_seule, Colour couleur = clBlack) {
  auto* e = placer(new TEdit(parent), l, t, w, h, 21);
  e->setText(texte);
  e->setReadOnly(lecture_seule);
  e->setFrame(false);
  e->setFontColor(couleur);
  return e;
}

TUpDown* up_down(QWidget* parent, TEdit* edit, int l, int t, int w, int h, int min, int max,
                 int position) {
  auto* u = new TUpDown(parent, edit, min, max, position);
  u->setGeometry(l, t, w, h);
  return u;
}

TRadioGroup* groupe(QWidget* parent, const QString& caption, const QStringList& items, int l,
                    int t, int w, int h, int index) {
  auto* g = placer(new TRadioGroup(parent, caption, items), l, t, w, h);
  g->setItemIndexSilently(index);
  return g;
}

TCheckBox* case_a_cocher(QWidget* parent, const QString& caption, int l, int t, int w, int h,
                         Colour couleur = clBlack) {
  auto* c = placer(new TCheckBox(parent, caption), l, t, w, h);
  QPalette p = c->palette();
  p.setColor(QPalette::WindowText, vers_qcolor(couleur));
  c->setPalette(p);
  return c;
}

const QStringList kModesCrayon = {
    QStringLiteral(" 1 pmCopy        La couleur du crayon, spécifiée par la propriété Color"),
    QStringLiteral(" 2 pmMerge       Combinaison de la couleur du crayon et de la couleur "
                   "d'arrière-plan du canevas"),
    QStringLiteral(" 3 pmMask        Combinaison des couleurs communes au crayon et à "
                   "l'arrière-plan du canevas"),
    QStringLiteral(" 4 pmMergeNotPen Combinaison de la couleur d'arrière-plan du canevas et de "
                   "l'inverse de la couleur du crayon"),
    QStringLiteral(" 5 pmXor         Combinaison des couleurs appartenant soit au crayon, soit "
                   "à l'arrière-plan du canevas, mais pas aux deux"),
    QStringLiteral(" 6 pmBlack       Toujours noir"),
    QStringLiteral(" 7 pmWhite       Toujours blanc"),
    QStringLiteral(" 8 pmNop         Non modifié"),
    QStringLiteral(" 9 pmNot         Inverse de la couleur d'arrière-plan du canevas"),
    QStringLiteral("10 pmNotCopy     L'inverse de la couleur du crayon"),
    QStringLiteral("11 pmMergePenNot Combinaison de la couleur du crayon et de l'inverse de la "
                   "couleur de l'arrière-plan du canevas"),
    QStringLiteral("12 pmMaskPenNot  Combinaison des couleurs communes au crayon et à "
                   "l'inverse de l'arrière-plan du canevas"),
    QStringLiteral("13 pmMaskNotPen  Combinaison des couleurs communes à l'arrière-plan du "
                   "canevas et l'inverse de la couleur du crayon"),
    QStringLiteral("14 pmNotMerge    Inverse de pmMerge: combinaison de la couleur du crayon et "
                   "de la couleur d'arrière-plan du canevas"),
    QStringLiteral("15 pmNotMask     Inverse de pmMask: combinaison des couleurs communes au "
                   "crayon et à l'arrière-plan du canevas"),
    QStringLiteral("16 pmNotXor      Inverse de pmXor: combinaison des couleurs appartenant "
                   "soit au crayon, soit à l'arrière-plan du canevas, mais pas aux deux"),
};

const QStringList kTexteAide = {
    QStringLiteral("  Echap ou F1=> sortie"),
    QString(),
    QStringLiteral("Espace ou Clik droit : cacher ou montrer la barre d'outils"),
    QString(),
    QStringLiteral("E : effacer"),
    QString(),
    QStringLiteral("P : peindre tant que le fond est de la même couleur à l'endroit du prochain"),
    QStringLiteral("     clik gauche."),
    QString(),
    QStringLiteral("K : Tout peindre de façon aléatoire"),
    QString(),
    QStringLiteral("C, ou Ctrl seul puis clik : nouveau centre de la nouvelle rosace"),
    QString(),
    QStringLiteral("F4, F5 :  annulation,  modification précédente ou suivante"),
    QStringLiteral("Ctrl+Z : annuler        Ctrl+Y (ou Ctrl+Maj+Z) : refaire"),
    QStringLiteral("Ctrl+S : Sauve        Ctrl+O : Ouvrir"),
    QStringLiteral("Ctrl+Maj+S : redessiner l'image à une échelle, dans un fichier"),
    QStringLiteral("Ctrl+Maj+F : filmer le dessin, trait après trait (MP4, WebM ou GIF)"),
    QString(),
    QStringLiteral("Journal : Sauve écrit aussi le journal du dessin (même nom, en .orvane) ;"),
    QStringLiteral("     Ouvrir ce journal redessine l'image, et le dessin continue."),
    QStringLiteral("En ligne de commande, sans fenêtre :"),
    QStringLiteral("     orvane --render image.orvane --scale 4 --output grande.png"),
    QStringLiteral("     orvane --film image.orvane --output dessin.mp4"),
    QString(),
    QStringLiteral("F12, Echap ou Ctrl+Q : sortie demandée"),
    QString(),
    QStringLiteral("Souris :"),
    QStringLiteral("clik droit : termine la courbe du délié elliptique, annule la ligne"),
    QStringLiteral("     en cours, sinon cache ou montre la barre d'outils"),
    QStringLiteral("bouton du milieu : annule les losanges en cours"),
    QStringLiteral("Ctrl seul puis clik : place le centre"),
    QString(),
    QStringLiteral("Si le menu est invisible :"),
    QStringLiteral("1234567890 qsdfgh pour choisir parmi les 16 types de coloriage"),
    QStringLiteral("w,W  => taille crayon - 4"),
    QStringLiteral("x,X   => taille crayon + 4"),
};

}  // namespace

void TForm1::creer_controles() {
  setWindowTitle(QStringLiteral("Orvane"));
  setGeometry(328, 153, 1433, 659);
  setAutoFillBackground(true);
  QPalette fond = palette();
  fond.setColor(QPalette::Window, vers_qcolor(clOlive));
  setPalette(fond);

  ScrollBox1 = new QWidget(this);
  ScrollBox1->setGeometry(0, 0, 1052, 345);
  ScrollBox1->setAutoFillBackground(true);
  QPalette argent = ScrollBox1->palette();
  argent.setColor(QPalette::Window, vers_qcolor(clSilver));
  ScrollBox1->setPalette(argent);
  Image1 = new TImage(ScrollBox1);
  Image1->setGeometry(0, 0, 105, 105);

  Panel1 = placer(new TPanel(this), 0, 397, 1377, 132);
  Panel1->setColor(clGray);
  Panel1->setRaised(true);
  // French captions: a right-to-left language must not mirror the palette.
  Panel1->setLayoutDirection(Qt::LeftToRight);
  QWidget* const p = Panel1;

  Label1 = label(p, QStringLiteral("Clique au centre"), 744, 3, 77, 13);
  Label2 = label(p, QStringLiteral("nb de pétales"), 672, 3, 64, 13);
  Label3 = label(p, QStringLiteral("épaisseur"), 129, 86, 45, 13, clMaroon);
  Label4 = label(p, QStringLiteral("tour(s) f ="), 801, 86, 101, 29, clMaroon, 25);
  Label5 = label(p, QStringLiteral("Label5"), 408, 113, 32, 13);
  Label5->setVisible(false);
  Label6 = label(p, QStringLiteral("Label6"), 598, 116, 32, 13);
  Label6->setVisible(false);
  Label7 = label(p, QStringLiteral("clones"), 133, 27, 31, 13);
  Label_x = label(p, QStringLiteral("X"), 1026, 32, 7, 13);
  Label_y = label(p, QStringLiteral("Y"), 1068, 32, 7, 13);
  // The directory gets the free room of the top row, up to the end of the pen-mode list.
  Label_rep = label(p, QStringLiteral("répertoire"), 920, 4, 1361 - 920, 13);
  Label_rep->setCheminAbrege(true);
  Edit1 = edit_nombre(p, QStringLiteral("24"), 676, 20, 34, 32, true);
  UpDown1 = up_down(p, Edit1, 710, 20, 31, 32, 0, 100, 24);
  Panel_quit = bouton(p, QStringLiteral("Quit"), 1156, 22, 48, 29);
  Edit2 = placer(new TEdit(p), 1052, 104, 77, 21);
  Edit2->setText(QStringLiteral("piège à focus"));
  Panel_new_fond_noir = bouton(p, QStringLiteral("New"), 8, 6, 49, 25, clBlack, clWhite);
  Panel2 = bouton(p, QStringLiteral("New"), 64, 6, 49, 25, clWhite, clBlack);
  Panel7 = bouton(p, QStringLiteral("Sauve"), 824, 22, 44, 29);
  RadioGroup_type_trace = groupe(
      p, QString(),
      {QStringLiteral("crayon"), QStringLiteral("lignes"), QStringLiteral("éventail"),
       QStringLiteral("points"), QStringLiteral("losanges"), QStringLiteral("délié elliptique")},
      471, 8, 98, 111, 1);
  RadioGroup_couleur_crayon =
      groupe(p, QStringLiteral("Couleur  crayon"),
             {QStringLiteral("aléatoire"), QStringLiteral("choisie")}, 181, 8, 87, 47, 1);
  RadioGroup_peindre_dessiner = groupe(
      p, QString(),
      {QStringLiteral("dessiner"), QStringLiteral("peind tant que"),
       QStringLiteral("peind j'usqu'à")},
      3, 32, 97, 89, 0);
  RadioGroup_symetrie = groupe(
      p, QStringLiteral("Symétrie"),
      {QStringLiteral("rosace"), QStringLiteral("vitrail"), QStringLiteral("miroir vertical"),
       QStringLiteral("4 quarts"), QStringLiteral("unique")},
      572, 8, 97, 111, 3);
  Panel3 = bouton(p, QStringLiteral("Centre"), 749, 22, 56, 29);
  Panel3->setToolTip(QStringLiteral("choisir le centre (C)"));
  Panel_crayon = bouton(p, QStringLiteral("crayon"), 184, 58, 84, 18);
  Panel5 = bouton(p, QStringLiteral("Ouvrir"), 871, 22, 44, 29);
  Panel6 = bouton(p, QStringLiteral("K"), 918, 22, 47, 29);
  Panel6->setToolTip(QStringLiteral("coloriage aléatoire"));
  Edit3 = edit_nombre(p, QStringLiteral("1"), 177, 82, 34, 24, true, clMaroon);
  UpDown2 = up_down(p, Edit3, 211, 82, 24, 24, 1, 100, 1);
  Panel_peinture = bouton(p, QStringLiteral("peinture"), 272, 58, 97, 17);
  RadioGroup_couleur_peinture =
      groupe(p, QStringLiteral("Couleur peinture"),
             {QStringLiteral("aléatoire"), QStringLiteral("choisie")}, 272, 8, 97, 47, 1);
  CheckBox_epaisseur = case_a_cocher(p, QStringLiteral("aléatoire"), 144, 106, 61, 17, clMaroon);
  CheckBox_epaisseur->setToolTip(QStringLiteral("épaisseur variable des tracés"));
  Edit4 = edit_nombre(p, QStringLiteral("20"), 751, 91, 27, 32, true, clMaroon);
  UpDown3 = up_down(p, Edit4, 778, 91, 18, 32, 1, 100, 20);
  Edit5 = edit_nombre(p, QStringLiteral("975"), 914, 90, 57, 29, false, clMaroon);
  UpDown4 = up_down(p, Edit5, 971, 90, 18, 29, 10, 1000, 975);
  CheckBox_spirale = case_a_cocher(p, QStringLiteral("Spirale"), 671, 92, 73, 17, clMaroon);
  CheckBox_spirale->setFont(police(15, true));
  RadioGroup_coul_type = groupe(
      p, QStringLiteral("Coul_type"),
      {QStringLiteral("normale"), QStringLiteral("vive"), QStringLiteral("dégradé"),
       QStringLiteral("gris")},
      376, 8, 73, 105, 0);
  ComboBox1 = placer(new TComboBox(p), 677, 57, 684, 21);
  ComboBox1->addItems(kModesCrayon);
  ComboBox1->setMaxVisibleItems(16);
  ComboBox1->setItemIndex(0);
  ComboBox1->setToolTip(
      QStringLiteral("Choix du mode de tracé parmi 16   (1..90qsdfgh)  sans menu)"));
  Panel4 = bouton(p, QString(), 1320, 95, 27, 25);
  Panel4->setToolTip(QStringLiteral("modifie le fond de la palette d'outils"));
  Panel9 = bouton(p, QStringLiteral("<"), 99, 96, 19, 18);
  Panel9->setRaised(false);
  Panel10 = bouton(p, QString(), 448, 66, 19, 18, clRed);
  Panel10->setToolTip(QStringLiteral("couleur d'origine du dégradé"));
  Panel12 = bouton(p, QStringLiteral("Aide"), 1119, 22, 31, 28);
  Panel11 = bouton(p, QStringLiteral("-"), 843, 3, 19, 13);
  Panel11->setToolTip(QStringLiteral("F4 précedent"));
  Panel13 = bouton(p, QStringLiteral("+"), 866, 3, 19, 13);
  Panel13->setToolTip(QStringLiteral("F5 suivant"));
  Edit6 = edit_nombre(p, QStringLiteral("1"), 130, 45, 26, 25, true);
  UpDown5 = up_down(p, Edit6, 156, 45, 16, 25, 0, 100, 1);
  CheckBox_ombre_1 = case_a_cocher(p, QStringLiteral("ombre 1"), 240, 83, 65, 17);
  CheckBox_ombre_1->setToolTip(QStringLiteral("ombre dégradée => valeur"));
  Edit7 = edit_nombre(p, QStringLiteral("12"), 307, 82, 27, 23, true);
  Edit7->setToolTip(QStringLiteral("largeur de l'ombre"));
  UpDown6 = up_down(p, Edit7, 334, 82, 16, 23, 1, 100, 12);
  CheckBox_ombre_2 = case_a_cocher(p, QStringLiteral("ombre 2"), 241, 101, 65, 17);
  CheckBox_ombre_2->setToolTip(QStringLiteral("ombre dégradée => valeur"));
  CheckBox_panel_disparait_auto =
      case_a_cocher(p, QStringLiteral("Menu disparait automatiquement"), 1053, 83, 180, 17);
  Panel_stop = bouton(p, QStringLiteral("stop"), 971, 22, 48, 29);
  Edit_nom_generique = placer(new TEdit(p), 1224, 24, 121, 21);
  Edit_nom_generique->setText(QStringLiteral("image.bmp"));
  // Each control keeps its mouse events: only the palette's own surface brings the palette
  // back or opens its colour dialog, not a caption or a group's frame that Qt hands on.
  for (QWidget* controle : p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    controle->setAttribute(Qt::WA_NoMousePropagation);

  creer_panneau_aide();
  appliquer_conseils_palette();

  Timer1 = new TTimer(this, 1000);
  Timer2 = new TTimer(this, 1000);
}

void TForm1::creer_panneau_aide() {
  Panel8 = placer(new TPanneauFlottant(this), 640, 8, 401, 385);
  Panel8->setVisible(false);
  Panel8->setLayoutDirection(Qt::LeftToRight);
  SpeedButton_exit_help = placer(new QToolButton(Panel8), 367, 6, 23, 22, 16);
  SpeedButton_exit_help->setText(QStringLiteral("X"));
  SpeedButton_exit_help->setFont(police(16, true));
  SpeedButton_exit_help->setAutoRaise(true);
  Memo1 = placer(new QPlainTextEdit(Panel8), 8, 34, 385, 337);
  Memo1->setPlainText(kTexteAide.join(u'\n'));
  Memo1->setReadOnly(true);
}

}  // namespace orvane
