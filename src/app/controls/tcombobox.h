#pragma once

#include <QComboBox>
#include <functional>

namespace orvane {

// A drop-down list: a row chosen by the user runs OnClick; an index set from code runs
// nothing.
class TComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TComboBox(QWidget* parent);

  int ItemIndex() const { return currentIndex(); }
  void setItemIndex(int index);

  std::function<void()> OnClick;
};

}  // namespace orvane
