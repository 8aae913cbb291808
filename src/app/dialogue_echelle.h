#pragma once

#include <QDialog>

#include "app/systeme.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace orvane {

// Asks the scale of a re-drawing (1..16) and whether to smooth it, showing the size of the
// picture it will make.
class DialogueEchelle : public QDialog {
  Q_OBJECT
 public:
  DialogueEchelle(QSize taille, ChoixEchelle initial, QWidget* parent = nullptr);
  ChoixEchelle choix() const;

 private:
  void montrer_taille();

  QSize taille_;
  QSpinBox* echelle_ = nullptr;
  QCheckBox* lisse_ = nullptr;
  QLabel* resultat_ = nullptr;
};

}  // namespace orvane
