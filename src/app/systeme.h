#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

#include "colour/couleurs_perso.h"
#include "platform/colour.h"

class QWidget;

namespace orvane {

// What a picture dialog opens with.
struct DialogueImage {
  QString titre;
  QString repertoire;        // the directory it shows first
  QString nom_propose;       // the file name it offers, without a directory
  QString extension_defaut;  // without the dot; added to a name typed without one
  QString filtre;            // Qt's form: "images (*.bmp)", several joined by ";;"
};

// What the re-drawing's dialog asks for: a scale and whether to smooth.
struct ChoixEchelle {
  int echelle = 4;
  bool lisse = false;
  bool operator==(const ChoixEchelle&) const = default;
};

// What the film's dialog asks for: a scale, the drawing's length in seconds and whether
// to smooth.
struct ChoixFilm {
  int echelle = 1;
  int duree = 20;
  bool lisse = false;
  bool operator==(const ChoixFilm&) const = default;
};

// Screen cursors, by their codes.
enum CurseurEcran : int {
  crDefault = 0,
  crArrow = -2,
  crCross = -3,
  crHourGlass = -11,
};

// Everything the window asks of the desktop that a test must script or observe: the modal
// dialogs, the screen size, the pointer and the screen-wide cursor.
class Systeme {
 public:
  virtual ~Systeme() = default;

  virtual QSize taille_ecran() = 0;
  // The program's own full path.
  virtual QString chemin_programme() = 0;
  virtual void SetCursorPos(int x, int y) = 0;
  virtual QPoint GetCursorPos() = 0;
  virtual void curseur_ecran(int code) = 0;

  // The colour dialog: the chosen colour, or nothing when cancelled. It shows `perso` in its
  // custom-colour slots and leaves there what the user made of them, even when cancelled.
  virtual std::optional<Colour> choisir_couleur(QWidget* parent, Colour initiale,
                                                CasesPerso& perso) = 0;
  // A question with "&Oui" (default) and "&Non" (cancel): true for "&Oui".
  virtual bool question(QWidget* parent, const QString& titre, const QString& texte) = 0;
  // A one-button message box.
  virtual void message(QWidget* parent, const QString& texte) = 0;
  // The same with the error icon: the error box.
  virtual void erreur(QWidget* parent, const QString& texte) = 0;
  // The picture dialogs: the chosen path, or empty when cancelled. The save dialog asks
  // before replacing a file.
  virtual QString ouvrir_image(QWidget* parent, const DialogueImage& dialogue) = 0;
  virtual QString enregistrer_image(QWidget* parent, const DialogueImage& dialogue) = 0;
  // The re-drawing's scale (1..16) and smoothing for a canvas of `taille` at scale 1,
  // opening on `initial`; nothing when cancelled.
  virtual std::optional<ChoixEchelle> choisir_echelle(QWidget* parent, QSize taille,
                                                      ChoixEchelle initial) = 0;
  // The film's scale, length and smoothing for a canvas of `taille` at scale 1, opening
  // on `initial`; nothing when cancelled.
  virtual std::optional<ChoixFilm> choisir_film(QWidget* parent, QSize taille,
                                                ChoixFilm initial) = 0;
  // Ends the message loop: the program exits.
  virtual void terminer() = 0;
};

// The real desktop.
class SystemeQt : public Systeme {
 public:
  QSize taille_ecran() override;
  QString chemin_programme() override;
  void SetCursorPos(int x, int y) override;
  QPoint GetCursorPos() override;
  void curseur_ecran(int code) override;
  std::optional<Colour> choisir_couleur(QWidget* parent, Colour initiale,
                                        CasesPerso& perso) override;
  bool question(QWidget* parent, const QString& titre, const QString& texte) override;
  void message(QWidget* parent, const QString& texte) override;
  void erreur(QWidget* parent, const QString& texte) override;
  QString ouvrir_image(QWidget* parent, const DialogueImage& dialogue) override;
  QString enregistrer_image(QWidget* parent, const DialogueImage& dialogue) override;
  std::optional<ChoixEchelle> choisir_echelle(QWidget* parent, QSize taille,
                                              ChoixEchelle initial) override;
  std::optional<ChoixFilm> choisir_film(QWidget* parent, QSize taille,
                                        ChoixFilm initial) override;
  void terminer() override;

 private:
  int curseur_ = crDefault;
};

}  // namespace orvane
