#pragma once

#include <QGroupBox>
#include <QStringList>
#include <functional>
#include <vector>

class QRadioButton;

namespace orvane {

// A group of exclusive items. Setting ItemIndex from code runs OnClick exactly as a user's
// click would, when the value changes; the reactions may nest. A value outside the items is
// limited to -1 (none) .. count - 1.
class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(QWidget* parent, const QString& caption, const QStringList& items);

  int ItemIndex() const { return item_index_; }
  void setItemIndex(int index);
  // Changes the selection without running the reaction.
  void setItemIndexSilently(int index);
  int count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* button(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  // The group's inner margins follow the palette's scale.
  void setEchelle(double f);

  std::function<void()> OnClick;
  // The keyboard focus enters the group from outside.
  std::function<void()> OnEnter;

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  void montrer(int index);

  std::vector<QRadioButton*> buttons_;
  int item_index_ = -1;
  double echelle_ = 1.0;
};

}  // namespace orvane
