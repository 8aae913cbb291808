#pragma once

#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <functional>

#include "platform/canvas.h"

namespace orvane {

// A size in the window's coordinates, in the screen's own pixels at that ratio.
QSize en_pixels(QSize logique, double ratio);

// Shows the picture, one canvas pixel to one pixel of the screen. The canvas is the one drawing surface; after a handler has drawn,
// only the rectangle that changed is converted for display and repainted.
class TImage : public QWidget {
  Q_OBJECT
 public:
  explicit TImage(QWidget* parent = nullptr);

  bool hasPicture() const { return has_picture_; }
  // The widget's size in the screen's own pixels: the size of a canvas that fills it.
  QSize taillePixels() const;
  // The canvas pixel under a pointer position in the widget's coordinates.
  Point versPixel(const QPointF& position) const;
  // The canvas pixel under the pointer of a mouse event, from the window system's own
  // numbers where it has them.
  Point pixelSous(const QMouseEvent* e) const;
  // The canvas; touching it schedules a refresh of what it changed.
  Canvas& canvas();
  const Canvas& canvas() const { return canvas_; }
  // Replaces the picture; the new canvas has the default pen and brush.
  void setPicture(Canvas canvas);
  // Converts and repaints what changed now, rather than after the handler.
  void rafraichir();
  // The picture as shown on screen (tests).
  const QImage& affichage() const { return display_; }

  std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseDown;
  std::function<void(Qt::KeyboardModifiers, int x, int y)> OnMouseMove;
  std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseUp;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  void programmer_rafraichissement();

  Canvas canvas_;
  // The picture as shown, over pixels in large pages: a first touch of the usual small ones
  // costs more than converting the whole picture.
  Bitmap pixels_affichage_;
  QImage display_;
  bool has_picture_ = false;
  bool refresh_pending_ = false;
};

}  // namespace orvane
