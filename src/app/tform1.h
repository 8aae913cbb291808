#pragma once

#include <QPlainTextEdit>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "app/controls/tcheckbox.h"
#include "app/controls/tcombobox.h"
#include "app/controls/tedit.h"
#include "app/controls/timage.h"
#include "app/controls/tlabel.h"
#include "app/controls/tpanel.h"
#include "app/controls/tpanneau_flottant.h"
#include "app/controls/tradiogroup.h"
#include "app/controls/ttimer.h"
#include "app/controls/tupdown.h"
#include "app/raccourcis.h"
#include "app/redessin_en_fond.h"
#include "app/systeme.h"
#include "colour/couleurs_perso.h"
#include "drawing/outil_ellipse.h"
#include "drawing/reglages_trace.h"
#include "journal/journal_courant.h"
#include "persistence/erreur_fichier.h"
#include "persistence/historique_images.h"
#include "platform/aleatoire.h"
#include "platform/canvas.h"

namespace orvane {

class FiltrePasse;

// Program-wide colours of the palette.
inline constexpr Colour kCouleurPaletteDepart = RGB(255, 128, 64);
inline constexpr Colour kCouleurBoutonsDepart = RGB(150, 228, 190);

// The main window: the palette's controls, the drawing state and one handler per event.
// Its methods are spread over files by concern (tform1_*.cpp).
class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(Systeme& systeme, QWidget* parent = nullptr);
  ~TForm1() override;

  // ---- Controls (the settings model) ----
  QWidget* ScrollBox1 = nullptr;
  TImage* Image1 = nullptr;
  TPanel* Panel1 = nullptr;
  TPanneauFlottant* Panel8 = nullptr;
  QToolButton* SpeedButton_exit_help = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  TTimer* Timer1 = nullptr;
  TTimer* Timer2 = nullptr;

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* Label_x = nullptr;
  TLabel* Label_y = nullptr;
  TLabel* Label_rep = nullptr;
  TEdit* Edit1 = nullptr;
  TUpDown* UpDown1 = nullptr;
  TPanel* Panel_quit = nullptr;
  TEdit* Edit2 = nullptr;
  TPanel* Panel_new_fond_noir = nullptr;
  TPanel* Panel2 = nullptr;
  TPanel* Panel7 = nullptr;
  TRadioGroup* RadioGroup_type_trace = nullptr;
  TRadioGroup* RadioGroup_couleur_crayon = nullptr;
  TRadioGroup* RadioGroup_peindre_dessiner = nullptr;
  TRadioGroup* RadioGroup_symetrie = nullptr;
  TPanel* Panel3 = nullptr;
  TPanel* Panel_crayon = nullptr;
  TPanel* Panel5 = nullptr;
  TPanel* Panel6 = nullptr;
  TEdit* Edit3 = nullptr;
  TUpDown* UpDown2 = nullptr;
  TPanel* Panel_peinture = nullptr;
  TRadioGroup* RadioGroup_couleur_peinture = nullptr;
  TCheckBox* CheckBox_epaisseur = nullptr;
  TEdit* Edit4 = nullptr;
  TUpDown* UpDown3 = nullptr;
  TEdit* Edit5 = nullptr;
  TUpDown* UpDown4 = nullptr;
  TCheckBox* CheckBox_spirale = nullptr;
  TRadioGroup* RadioGroup_coul_type = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TPanel* Panel4 = nullptr;
  TPanel* Panel9 = nullptr;
  TPanel* Panel10 = nullptr;
  TPanel* Panel12 = nullptr;
  TPanel* Panel11 = nullptr;
  TPanel* Panel13 = nullptr;
  TEdit* Edit6 = nullptr;
  TUpDown* UpDown5 = nullptr;
  TCheckBox* CheckBox_ombre_1 = nullptr;
  TEdit* Edit7 = nullptr;
  TUpDown* UpDown6 = nullptr;
  TCheckBox* CheckBox_ombre_2 = nullptr;
  TCheckBox* CheckBox_panel_disparait_auto = nullptr;
  TPanel* Panel_stop = nullptr;
  TEdit* Edit_nom_generique = nullptr;
  // What the colour dialog keeps between its uses: its custom colours.
  CouleursPerso ColorDialog1;

  // ---- State of the window ----
  bool trait_en_cours = false;
  Colour couleur_crayon = 0;
  Colour couleur_crayon_precedente = 0;
  Colour couleur_peinture = 0;
  Colour couleur_peinture_precedente = 0;
  Colour couleur_fond = 0;
  bool ligne_ancree = false;
  BrushStyle style_pinceau_sauve = BrushStyle::Solid;
  PenStyle style_crayon_sauve = PenStyle::Solid;
  int epaisseur_sauvee = 1;
  int centre_x = 0;
  int centre_y = 0;
  int souris_x = 0;
  int souris_y = 0;
  bool choix_centre = false;
  int mode_crayon = 0;
  bool masquage_arme = false;
  bool masquage_en_cours = false;
  Point point_precedent;
  Point point_courant;
  Point elastique_debut;
  Point elastique_fin;
  bool elastique_affiche = false;  // the line tools' rubber band is on screen
  Colour couleur_elastique = 0;     // and the colour it was drawn in
  int rouge_crayon = 0;
  int vert_crayon = 0;
  int bleu_crayon = 0;

  // ---- Program-wide variables ----
  Colour couleur_palette = kCouleurPaletteDepart;
  Colour couleur_boutons = kCouleurBoutonsDepart;
  int haut_palette = 0;
  double echelle_palette = 1.0;  // the palette's scale, so that it fits the screen's width
  int nombre_clones = 1;
  TableQuart table_sinus{};
  TableQuart table_cosinus{};
  // The elliptic tool: its points, control point and the figures it shows.
  OutilEllipse outil_ellipse{table_sinus, table_cosinus};
  bool arret_demande = false;
  HistoriqueImages historique{QString()};
  Aleatoire aleatoire;
  // The journal of the picture on the canvas.
  JournalCourant journal;

  // ---- Start-up, window and canvas ----
  void FormCreate();
  void FormActivate();
  void FormResize();
  void ModifierLeftDansPanel();
  void nouvelle_toile();
  void nouvelle_toile_couleur(Colour couleur);
  // The canvas was replaced: no rubber figure or marker is on it any more.
  void oublier_figures_elastiques();
  // The rubber figures and the marker erased where they are shown, before a picture is
  // painted over the canvas; the line and the curve under way go on.
  void effacer_figures_elastiques();
  // The line tools' band erased if it is shown.
  void efface_elastique_ligne();
  void Panel_new_fond_noirClick();
  void Panel2Click();
  void demande_quitter();
  void Panel_quitClick();
  // At a session's end (logout): the settings written without asking.
  void fin_de_session() noexcept;
  void sauve_crayon();
  void restaure_crayon();
  void _ws();
  void charge_parametres();
  void sauve_parametres();
  QString chemin_parametres() const;
  void couleurs_perso();
  Canvas& canvas() { return Image1->canvas(); }

  // ---- Palette behaviour ----
  void Panel1MouseMove(int x, int y);
  void Panel1MouseDown(Qt::MouseButton bouton);
  void Timer1Timer();
  void Timer2Timer();
  void Panel4Click();
  void Panel10Click();
  void Panel12Click();
  // The smallest help text that stays readable, in pixels.
  static constexpr int kPoliceAideMin = 9;
  // The help panel at the palette's scale f, sized for its text on this screen.
  void disposer_panneau_aide(double f);
  void SpeedButton_exit_helpClick();
  void Panel_crayonClick();
  void Panel_peintureClick();
  void Panel3Click();
  void RadioGroup_couleur_crayonClick();
  void RadioGroup_couleur_peintureClick();
  void RadioGroup_symetrieClick();
  void RadioGroup_type_traceClick();
  void RadioGroup_peindre_dessinerClick();
  void RadioGroup_peindre_dessinerEnter();
  void regle_mode_peinture();
  void ComboBox1Click();
  void UpDown5Changing();
  void Edit6Change();
  void CheckBox_ombre_1Click();
  void CheckBox_ombre_2Click();
  void Panel7Click();
  void Panel5Click();
  // Paints a picture file onto the canvas from its top-left corner, as "Ouvrir" does; returns
  // the picture read.
  std::shared_ptr<const Bitmap> peindre_image(const QString& chemin);
  // "Ouvrir" and the command line: a journal (by its content or its .orvane name) is drawn
  // again in the background and becomes the canvas's journal; any other file is a picture
  // to paint, which takes up its own journal when one beside it draws exactly the picture.
  void ouvrir_fichier(const QString& chemin);
  void ouvrir_journal(const QString& chemin);
  // "Sauve" writes the picture, then its journal: the picture written whole or not at all,
  // the error says that nothing was replaced.
  void enregistrer_image_ou_rien(const QString& chemin);
  // The journal at `chemin` (none if empty), if it draws exactly `image`, painted on the
  // canvas, becomes the canvas's journal; tried in the background.
  void reprendre_journal(std::shared_ptr<const Bitmap> image, const QString& chemin);
  // The journal written beside a saved picture, under the picture's name; when it cannot
  // be, the journal of the picture replaced goes too, and the error says so.
  void sauver_journal(const QString& chemin_image);
  // The first of name, base_1.ext, base_2.ext, ... that is no file in Label_rep's directory.
  QString nom_unique(const QString& nom);
  void Panel6Click();
  void Panel_stopClick();
  void appliquer_conseils_palette();
  // The colour dialog, opening on the colour last chosen in it.
  std::optional<Colour> dialogue_couleur();

  // ---- Keyboard ----
  void FormKeyDown(int key, Qt::KeyboardModifiers shift);
  // Returns true when the character is consumed.
  bool FormKeyPress(unsigned char key);
  void commande_touche(int code);
  void change_epaisseur(int pas);
  void Edit1KeyPress(QChar& key);
  bool palette_visible_a_l_ecran() const;
  void lancer_raccourci(Raccourci raccourci);
  // Back on the canvas, the keys are commands again: the name box gives up the focus.
  void rendre_touches_aux_commandes();
  // The centre choice that the Ctrl of a chord armed is taken back, with the draw mode.
  void annuler_choix_centre_du_ctrl();
  // Ctrl+Z and Ctrl+Y: a step back or forward through the ring that changes the picture
  // while there is somewhere to go; Ctrl+Z leaves the ring's index on the place shown.
  void annule_un_pas();
  void refait_un_pas();

  // ---- Numbers of the edits ----
  int nb_petales() const;
  int nombre_dans(const TEdit* edit) const;

  // ---- Strokes ----
  void FormMouseDown(Qt::MouseButton bouton, Qt::KeyboardModifiers shift, int x, int y);
  void FormMouseMove(Qt::KeyboardModifiers shift, int x, int y);
  void FormMouseUp(Qt::MouseButton bouton, Qt::KeyboardModifiers shift, int x, int y);
  // choix_centre cleared, the arrow cursor back and Label1 emptied.
  void termine_choix_centre();
  void _FormMouseDown_ellipse(Qt::MouseButton bouton, Qt::KeyboardModifiers shift, int x, int y);
  void _FormMouseMove_ellipse(Qt::KeyboardModifiers shift, int x, int y);
  void _FormMouseUp_ellipse(Qt::MouseButton bouton, Qt::KeyboardModifiers shift, int x, int y);
  void trace_symetrique(Point a, Point b, int mode, Colour couleur);
  ReglagesTrace reglages_trace() const;

  // ---- Colours ----
  Colour coul_aleatoire();
  void coloriage_aleatoire();
  // Drops the keys typed meanwhile; mouse events stay queued.
  void vide_clavier();

  // ---- Picture history ----
  // Queues the snapshot's write; finir_instantane waits for the writes queued and reports
  // a failure, bilan_instantanes reports the writes ended so far without waiting.
  void wb();
  void finir_instantane();
  void bilan_instantanes();
  void lire_bmp(const QString& chemin);
  void affiche_fic_precedent();
  void affiche_fic_suivant();
  void Panel11Click();
  void Panel13Click();
  // A fresh ring in `repertoire`, its captions going to Label5 and Label6.
  void installer_historique(const QString& repertoire);

  // ---- Re-drawing at a scale ----
  // Ctrl+Shift+S: asks a scale and a file, then re-draws the picture into it in the
  // background, with a progress dialog that can stop it.
  void redessine_a_l_echelle();
  // The picture to re-draw: the canvas's journal, as a drawing at any scale.
  std::function<Dessin()> dessin_courant = [this] { return dessin_du_journal(journal.journal()); };
  // Draws at scale 1 in the background, `texte` in the progress dialog; `dessinee` gets
  // the picture once drawn, a failure goes to the error box when `echec_signale`.
  void dessiner_en_fond(Dessin dessin, const QString& texte,
                        std::function<void(Bitmap)> dessinee, bool echec_signale = true);
  // The drawing in the background, while one runs.
  RedessinEnFond* redessin_en_cours() const { return redessin_.get(); }

  // The screen in the window's own coordinates, and in the screen's pixels, which are the
  // canvas's.
  QSize taille_ecran() const { return systeme_.taille_ecran(); }
  QSize taille_ecran_pixels() const;

 protected:
  void resizeEvent(QResizeEvent*) override;
  void closeEvent(QCloseEvent* e) override;
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void creer_controles();
  void creer_panneau_aide();
  void lier_gestionnaires();
  // The elliptic tool's figures go to the journal.
  void lier_journal();
  void construire_tables();
  // The walk of the colouring pass, showing its progress.
  void parcours_coloriage();
  // What the window does when the drawing in the background ends.
  void suivre_redessin(std::function<void(Bitmap)> dessinee, bool echec_signale);

  Systeme& systeme_;
  FiltrePasse* filtre_passe_ = nullptr;  // holds events back during the colouring pass
  bool active_une_fois_ = false;
  bool retour_du_panneau_aide_ = false;
  bool palette_detachee_ = false;
  Colour couleur_dialogue_ = 0x000000;
  bool conseils_palette_ = true;
  bool echec_instantane_signale_ = false;  // until a snapshot is written again
  bool parametres_lus_ = false;  // the settings file was read (or found missing) once
  void signaler_echec_instantane(const ErreurFichier& e);
  void rendre_compte_instantanes(bool attendre);
  // The draw mode before a Ctrl armed the centre choice, while that choice is pending.
  std::optional<int> avant_ctrl_;
  ChoixEchelle choix_echelle_;  // the re-drawing's last choice, offered again
  std::unique_ptr<RedessinEnFond> redessin_;  // while one runs
};

// The one window of the program.
extern TForm1* Form1;

}  // namespace orvane
