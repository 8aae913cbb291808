#pragma once

#include <QWidget>
#include <functional>

#include "platform/colour.h"

namespace orvane {

// A panel: a colour swatch, a push button through its click handler, or a container.
class TPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TPanel(QWidget* parent = nullptr);

  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  Colour Color() const { return color_; }
  void setColor(Colour c);
  void setFontColor(Colour c);
  void setRaised(bool raised);
  // Its own visibility flag, whether or not its window is shown yet.
  bool Visible() const { return !isHidden(); }

  std::function<void()> OnClick;
  std::function<void(Qt::MouseButton, int x, int y)> OnMouseDown;
  std::function<void(int x, int y)> OnMouseMove;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;

 private:
  QString caption_;
  Colour color_ = 0xC0C0C0;
  Colour font_color_ = 0x000000;
  bool raised_ = true;
  bool pressed_ = false;
};

}  // namespace orvane
