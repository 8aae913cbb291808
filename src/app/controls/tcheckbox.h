#pragma once

#include <QCheckBox>
#include <functional>

namespace orvane {

// A check box; setting Checked from code runs OnClick as a click would, when it changes.
class TCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  TCheckBox(QWidget* parent, const QString& caption);

  bool Checked() const { return isChecked(); }
  void setChecked(bool checked);

  std::function<void()> OnClick;
};

}  // namespace orvane
