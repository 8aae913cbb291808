#pragma once

#include <QLabel>

#include "platform/colour.h"

namespace orvane {

class TLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TLabel(QWidget* parent = nullptr);

  // The caption as set, whatever part of it fits on screen.
  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  void setFontColor(Colour c);
  // A path too long for the label shows its end: "…/Images/fleurs".
  void setCheminAbrege(bool abrege);
  // The tooltip: this text followed by the whole caption; none when empty.
  void setConseilSuiviDuTexte(const QString& conseil);

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void montrer();

  QString caption_;
  bool chemin_abrege_ = false;
  QString conseil_;
  bool conseil_suivi_du_texte_ = false;
};

}  // namespace orvane
