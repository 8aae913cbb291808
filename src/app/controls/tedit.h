#pragma once

#include <QLineEdit>
#include <functional>

#include "platform/colour.h"

namespace orvane {

class TUpDown;

// An edit whose text is the setting; an associated up-down steps it with the arrow keys.
class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent = nullptr);

  QString Text() const { return text(); }
  void setText(const QString& t) { QLineEdit::setText(t); }
  void setFontColor(Colour c);
  void setBuddy(TUpDown* up_down) { up_down_ = up_down; }

  // Runs after every change of the text, by the user or by code.
  std::function<void()> OnChange;
  // Sees each typed character first; setting it to the null character swallows it.
  std::function<void(QChar& key)> OnKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  TUpDown* up_down_ = nullptr;
};

}  // namespace orvane
