#pragma once

#include <QWidget>
#include <functional>

namespace orvane {

class TEdit;

// Two arrow buttons that step a position within [Min, Max] and write it into the
// associated edit, one step per click or arrow key, without wrapping.
class TUpDown : public QWidget {
  Q_OBJECT
 public:
  TUpDown(QWidget* parent, TEdit* associate, int min, int max, int position);

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  TEdit* Associate() const { return associate_; }

  // One step up (+1) or down (-1).
  void pas(int sens);

  // Runs before the position changes.
  std::function<void()> OnChanging;

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  TEdit* associate_;
  int min_;
  int max_;
  int position_;
  QWidget* haut_;
  QWidget* bas_;
};

}  // namespace orvane
