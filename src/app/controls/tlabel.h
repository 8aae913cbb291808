#pragma once

#include <QLabel>

#include "platform/colour.h"

namespace orvane {

class TLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TLabel(QWidget* parent = nullptr);

  QString Caption() const { return text(); }
  void setCaption(const QString& caption) { setText(caption); }
  void setFontColor(Colour c);
};

}  // namespace orvane
