#pragma once

#include <QPoint>

#include "app/controls/tpanel.h"

namespace orvane {

// A panel the user can drag out of its window; it then floats in a small window of its own
// and can be dragged about.
class TPanneauFlottant : public TPanel {
  Q_OBJECT
 public:
  explicit TPanneauFlottant(QWidget* parent);

  bool flottant() const { return isWindow(); }
  // Takes the panel out of its window, its top-left corner at `global` on the screen.
  void detacher(const QPoint& global);

 protected:
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  bool glisse_ = false;
  QPoint prise_;  // the pointer's offset from the panel's corner
  QPoint depart_;
};

}  // namespace orvane
