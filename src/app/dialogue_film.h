#pragma once

#include <QDialog>

#include "app/systeme.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace orvane {

// Asks a film's scale (1..16), the drawing's length (1..600 s) and whether to smooth,
// showing the frame size and the film's whole length.
class DialogueFilm : public QDialog {
  Q_OBJECT
 public:
  DialogueFilm(QSize taille, ChoixFilm initial, QWidget* parent = nullptr);
  ChoixFilm choix() const;

 private:
  void montrer_resultat();

  QSize taille_;
  QSpinBox* echelle_ = nullptr;
  QSpinBox* duree_ = nullptr;
  QCheckBox* lisse_ = nullptr;
  QLabel* resultat_ = nullptr;
};

}  // namespace orvane
