#include "app/controls/tpanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/controls/couleurs_qt.h"
#include "app/controls/frontiere.h"

namespace orvane {

TPanel::TPanel(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TPanel::setColor(Colour c) {
  color_ = c & 0xFFFFFF;
  update();
}

void TPanel::setFontColor(Colour c) {
  font_color_ = c;
  update();
}

void TPanel::setRaised(bool raised) {
  raised_ = raised;
  update();
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor fond = vers_qcolor(color_);
  p.fillRect(rect(), fond);
  if (raised_) {
    const bool enfonce = pressed_;
    p.setPen(enfonce ? fond.darker(160) : fond.lighter(150));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(enfonce ? fond.lighter(150) : fond.darker(160));
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
  }
  if (!caption_.isEmpty()) {
    p.setPen(vers_qcolor(font_color_));
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter, caption_);
  }
}

void TPanel::mousePressEvent(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  if (e->button() == Qt::LeftButton && OnClick) {
    pressed_ = true;
    update();
  }
  if (OnMouseDown) a_la_frontiere([&] { OnMouseDown(e->button(), pos.x(), pos.y()); });
}

void TPanel::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  update();
  if (rect().contains(e->position().toPoint()) && OnClick) a_la_frontiere(OnClick);
}

void TPanel::mouseMoveEvent(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  if (OnMouseMove) a_la_frontiere([&] { OnMouseMove(pos.x(), pos.y()); });
}

}  // namespace orvane
