#include "app/controls/timage.h"

#include "app/controls/frontiere.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace orvane {

TImage::TImage(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

Canvas& TImage::canvas() {
  programmer_rafraichissement();
  return canvas_;
}

void TImage::setPicture(Canvas canvas) {
  canvas_ = std::move(canvas);
  has_picture_ = true;
  display_ = QImage(canvas_.width(), canvas_.height(), QImage::Format_RGB32);
  canvas_.markDirty(canvas_.bitmap().bounds());
  programmer_rafraichissement();
}

void TImage::programmer_rafraichissement() {
  if (refresh_pending_) return;
  refresh_pending_ = true;
  QTimer::singleShot(0, this, [this] { rafraichir(); });
}

void TImage::rafraichir() {
  refresh_pending_ = false;
  const Rect r = canvas_.takeDirty().intersected(canvas_.bitmap().bounds());
  if (r.empty() || display_.isNull()) return;
  const Bitmap& bitmap = canvas_.bitmap();
  for (int y = r.top; y < r.bottom; ++y) {
    const Colour* source = bitmap.row(y);
    auto* cible = reinterpret_cast<QRgb*>(display_.scanLine(y));
    for (int x = r.left; x < r.right; ++x) {
      const Colour c = source[x];
      cible[x] = 0xFF000000u | (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
    }
  }
  update(QRect(r.left, r.top, r.width(), r.height()));
}

void TImage::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  if (display_.isNull()) {
    p.fillRect(e->rect(), Qt::black);
    return;
  }
  p.drawImage(e->rect(), display_, e->rect());
}

void TImage::mousePressEvent(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  if (OnMouseDown) a_la_frontiere([&] { OnMouseDown(e->button(), e->modifiers(), pos.x(), pos.y()); });
}

void TImage::mouseMoveEvent(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  if (OnMouseMove) a_la_frontiere([&] { OnMouseMove(e->modifiers(), pos.x(), pos.y()); });
}

void TImage::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  if (OnMouseUp) a_la_frontiere([&] { OnMouseUp(e->button(), e->modifiers(), pos.x(), pos.y()); });
}

}  // namespace orvane
