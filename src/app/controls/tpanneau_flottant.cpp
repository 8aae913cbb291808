#include "app/controls/tpanneau_flottant.h"

#include <QMouseEvent>

namespace orvane {

namespace {
constexpr int kSeuilGlissement = 4;
}

TPanneauFlottant::TPanneauFlottant(QWidget* parent) : TPanel(parent) {}

void TPanneauFlottant::detacher(const QPoint& global) {
  if (isWindow()) return;
  const bool visible = !isHidden();
  setParent(nullptr, Qt::Tool);
  setWindowTitle(QStringLiteral("Aide"));
  move(global);
  setVisible(visible);
}

void TPanneauFlottant::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  glisse_ = false;
  prise_ = e->position().toPoint();
  depart_ = e->globalPosition().toPoint();
}

void TPanneauFlottant::mouseMoveEvent(QMouseEvent* e) {
  if (!(e->buttons() & Qt::LeftButton)) return;
  const QPoint global = e->globalPosition().toPoint();
  if (!glisse_ && (global - depart_).manhattanLength() < kSeuilGlissement) return;
  glisse_ = true;
  if (!isWindow()) {
    detacher(global - prise_);
    // The new window does not inherit the press's implicit grab: keep the drag going.
    grabMouse();
  }
  move(global - prise_);
}

void TPanneauFlottant::mouseReleaseEvent(QMouseEvent*) {
  glisse_ = false;
  if (mouseGrabber() == this) releaseMouse();
}

}  // namespace orvane
