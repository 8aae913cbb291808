// Start-up: the window, its first canvas and its activation.
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QResizeEvent>
#include <algorithm>

#include "app/controls/couleurs_qt.h"
#include "app/controls/frontiere.h"
#include "app/echelle_palette.h"
#include "app/filtre_passe.h"
#include "app/nombres.h"
#include "app/repertoire_donnees.h"
#include "app/saisie_texte.h"
#include "app/tform1.h"
#include "app/touches.h"
#include "persistence/ecritures_interrompues.h"

namespace orvane {

TForm1* Form1 = nullptr;

TForm1::TForm1(Systeme& systeme, QWidget* parent)
    : QWidget(parent), systeme_(systeme) {
  Form1 = this;
  installer_boite_erreur([this](const QString& texte) { systeme_.erreur(this, texte); });
  creer_controles();
  lier_gestionnaires();
  qApp->installEventFilter(this);
  // After the key preview, so that it sees the events first.
  filtre_passe_ = new FiltrePasse(Panel_stop, {Timer1->horloge(), Timer2->horloge()}, this, this);
  // An error during start-up is shown like any other; the window still opens.
  a_la_frontiere([this] { FormCreate(); });
}

TForm1::~TForm1() {
  qApp->removeEventFilter(this);
  if (Panel8 && Panel8->flottant()) delete Panel8;
  if (Form1 == this) {
    Form1 = nullptr;
    installer_boite_erreur(nullptr);
  }
}

void TForm1::FormCreate() {
  const QSize ecran = taille_ecran();
  // The window covers the whole screen, without caption or frame; a bare X server has no
  // window manager to maximise it, so the geometry is set here.
  setWindowFlag(Qt::FramelessWindowHint, true);
  setGeometry(0, 0, ecran.width(), ecran.height());
  ScrollBox1->setGeometry(rect());

  centre_x = taille_ecran_pixels().width() / 2;
  centre_y = taille_ecran_pixels().height() / 2;
  trait_en_cours = false;
  choix_centre = false;
  ligne_ancree = false;
  couleur_crayon = 0x008000;
  couleur_fond = 0x000000;
  couleur_peinture = 0xFFFF00;
  Panel_peinture->setColor(0xFFFF00);
  Panel_crayon->setColor(couleur_crayon);
  Panel9->setColor(Panel_crayon->Color());
  couleur_palette = kCouleurPaletteDepart;
  couleur_boutons = kCouleurBoutonsDepart;
  ModifierLeftDansPanel();
  echelle_palette = facteur_palette(ecran.width());
  mettre_a_l_echelle(Panel1, echelle_palette);
  disposer_panneau_aide(echelle_palette);
  Panel1->setGeometry(0, height() - Panel1->height(), width(), Panel1->height());
  Panel1->setColor(couleur_palette);
  Panel1->setVisible(true);
  Panel1->raise();
  for (TPanel* bouton : {Panel_quit, Panel3, Panel4, Panel5, Panel7, Panel6, Panel11, Panel13,
                         Panel12, Panel_stop}) {
    bouton->setColor(couleur_boutons);
  }
  Panel8->setColor(couleur_boutons);
  Panel8->move((ecran.width() - Panel8->width()) / 2, (ecran.height() - Panel8->height()) / 2);
  Panel8->raise();  // above the palette on a short screen
  Label1->setCaption(QString());
  aleatoire.semer_horloge();
  RadioGroup_couleur_crayon->setItemIndex(0);
  RadioGroup_couleur_peinture->setItemIndex(0);
  RadioGroup_symetrie->setItemIndex(0);
  RadioGroup_type_trace->setItemIndex(0);
  couleur_crayon_precedente = 0x008000;
  ComboBox1->setItemIndex(0);
  mode_crayon = R2_COPYPEN;
  installer_historique(repertoire_donnees(systeme_.chemin_programme()));
  supprimer_ecritures_interrompues(historique.repertoire_programme());
  // Installed, the settings file is written in a directory of its own.
  if (const QString reglages = repertoire_reglages(systeme_.chemin_programme());
      reglages != historique.repertoire_programme())
    supprimer_ecritures_interrompues(reglages);
  Label_rep->setCaption(repertoire_images(systeme_.chemin_programme()));
  Panel1->setVisible(!CheckBox_panel_disparait_auto->Checked());
  haut_palette = Panel1->y();
  masquage_arme = false;
  masquage_en_cours = false;
  nombre_clones = StrToInt(Edit6->Text());
  _ws();
  outil_ellipse.nb_points_ellipse = 0;
  outil_ellipse.elastique_visible = false;
  outil_ellipse.point_controle_x = -50;
  outil_ellipse.point_controle_y = -50;
  construire_tables();
  couleurs_perso();
}

void TForm1::construire_tables() { construire_tables_quart(table_sinus, table_cosinus); }

void TForm1::ModifierLeftDansPanel() {
  // In the palette's own coordinates, before it is scaled to a narrower screen.
  const int largeur = std::max(taille_ecran().width(), kLargeurPalette);
  const int decalage = (largeur - Panel1->width()) / 2;
  for (QObject* enfant : Panel1->children()) {
    if (auto* controle = qobject_cast<QWidget*>(enfant)) {
      controle->move(controle->x() + decalage, controle->y());
    }
  }
}

void TForm1::FormActivate() {
  charge_parametres();
  Edit2->setFocus();
}

void TForm1::FormResize() {
  nouvelle_toile();
  canvas().pen.color = couleur_crayon;
}

void TForm1::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  ScrollBox1->setGeometry(rect());
  if (!palette_detachee_) {
    Panel1->setGeometry(0, height() - Panel1->height(), width(), Panel1->height());
    haut_palette = Panel1->y();
  }
  a_la_frontiere([this] { FormResize(); });
}

bool TForm1::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) {
    // A modal dialog of ours hands the focus back without a new activation.
    if (!active_une_fois_ || QApplication::activeModalWidget() == nullptr) {
      const bool premiere = !active_une_fois_;
      active_une_fois_ = true;
      if (premiere || retour_du_panneau_aide_) a_la_frontiere([this] { FormActivate(); });
    }
    retour_du_panneau_aide_ = false;
  } else if (e->type() == QEvent::WindowDeactivate) {
    retour_du_panneau_aide_ = Panel8->flottant() && Panel8->isActiveWindow();
  }
  return QWidget::event(e);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || (widget->window() != this && widget->window() != Panel8)) return false;
  // An unhandled key climbs the parents and passes here again: take it at its first stop.
  // The stops after it are not spontaneous, which tells them apart even when the key's
  // command opened a dialog that took the focus away meanwhile.
  if (!event->spontaneous()) return false;
  QWidget* focus = QApplication::focusWidget();
  if (widget != (focus ? focus : widget->window())) return false;
  // Key preview: the window sees each key before the focused control, except the text
  // typed into the picture's name.
  auto* touche = static_cast<QKeyEvent*>(event);
  if (widget == Edit_nom_generique && touche_du_texte(touche->key(), touche->modifiers()))
    return false;
  // An error ends the key's handling: the focused control does not get it either.
  bool consomme = true;
  a_la_frontiere([&] {
    FormKeyDown(code_touche(touche->key()), touche->modifiers());
    // A shortcut's key is the window's alone: no edit undoes or pastes as well.
    if (raccourci_de(code_touche(touche->key()), touche->modifiers()) != Raccourci::Aucun) return;
    const std::optional<unsigned char> caractere = caractere_ansi(touche->text());
    consomme = caractere && FormKeyPress(*caractere);
  });
  return consomme;
}

}  // namespace orvane
