#include "app/controls/timage.h"

#include "app/controls/frontiere.h"
#include "app/positions_natives.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// A pixel coordinate, kept within what any canvas can use.
int pixel_borne(double v) { return static_cast<int>(std::clamp(std::floor(v), -1e9, 1e9)); }

}  // namespace

QSize en_pixels(QSize logique, double ratio) {
  return QSize(static_cast<int>(std::lround(logique.width() * ratio)),
               static_cast<int>(std::lround(logique.height() * ratio)));
}

TImage::TImage(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

Canvas& TImage::canvas() {
  programmer_rafraichissement();
  return canvas_;
}

QSize TImage::taillePixels() const { return en_pixels(size(), devicePixelRatioF()); }

Point TImage::versPixel(const QPointF& position) const {
  // The pixel under the pointer: a position the toolkit divided by the ratio comes back a
  // hair below the pixel's edge.
  const double r = devicePixelRatioF();
  return {pixel_borne(position.x() * r + 1e-6), pixel_borne(position.y() * r + 1e-6)};
}

Point TImage::pixelSous(const QMouseEvent* e) const {
  const double r = devicePixelRatioF();
  const QWidget* fenetre = window();
  const auto natif = PositionsNatives::position(e->timestamp(), fenetre->winId(),
                                                mapTo(fenetre, e->position()), r);
  if (!natif) return versPixel(e->position());
  const QPointF p = *natif - QPointF(mapTo(fenetre, QPoint(0, 0))) * r;
  return {pixel_borne(p.x()), pixel_borne(p.y())};
}

void TImage::setPicture(Canvas canvas) {
  canvas_ = std::move(canvas);
  has_picture_ = true;
  display_ = QImage();
  pixels_affichage_ = Bitmap();
  pixels_affichage_ = Bitmap(canvas_.width(), canvas_.height(), Bitmap::NonRemplie{});
  display_ = QImage(reinterpret_cast<uchar*>(pixels_affichage_.data()), pixels_affichage_.width(),
                    pixels_affichage_.height(), qsizetype{4} * pixels_affichage_.width(),
                    QImage::Format_RGB32);
  display_.setDevicePixelRatio(devicePixelRatioF());
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
  // The logical rectangle that covers the changed pixels.
  const double ratio = display_.devicePixelRatio();
  const int gauche = static_cast<int>(std::floor(r.left / ratio));
  const int haut = static_cast<int>(std::floor(r.top / ratio));
  update(QRect(gauche, haut, static_cast<int>(std::ceil(r.right / ratio)) - gauche,
               static_cast<int>(std::ceil(r.bottom / ratio)) - haut));
}

void TImage::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  if (display_.isNull()) {
    p.fillRect(e->rect(), Qt::black);
    return;
  }
  // Canvas pixels go one to one to the screen's pixels, whatever the ratio.
  const double ratio = display_.devicePixelRatio();
  const QRect zone = e->rect();
  const QRect pixels =
      QRect(QPoint(static_cast<int>(std::floor(zone.left() * ratio)),
                   static_cast<int>(std::floor(zone.top() * ratio))),
            QPoint(static_cast<int>(std::ceil((zone.right() + 1) * ratio)) - 1,
                   static_cast<int>(std::ceil((zone.bottom() + 1) * ratio)) - 1))
          .intersected(display_.rect());
  if (pixels.isEmpty()) return;
  const QRectF cible(pixels.x() / ratio, pixels.y() / ratio, pixels.width() / ratio,
                     pixels.height() / ratio);
  p.drawImage(cible, display_, QRectF(pixels));
}

void TImage::mousePressEvent(QMouseEvent* e) {
  const Point pos = pixelSous(e);
  if (OnMouseDown) a_la_frontiere([&] { OnMouseDown(e->button(), e->modifiers(), pos.x, pos.y); });
}

void TImage::mouseMoveEvent(QMouseEvent* e) {
  const Point pos = pixelSous(e);
  if (OnMouseMove) a_la_frontiere([&] { OnMouseMove(e->modifiers(), pos.x, pos.y); });
}

void TImage::mouseReleaseEvent(QMouseEvent* e) {
  const Point pos = pixelSous(e);
  if (OnMouseUp) a_la_frontiere([&] { OnMouseUp(e->button(), e->modifiers(), pos.x, pos.y); });
}

}  // namespace orvane
