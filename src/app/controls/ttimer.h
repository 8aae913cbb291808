#pragma once

#include <QTimer>
#include <functional>

namespace orvane {

// A message timer; setting the interval it already has does not restart it.
class TTimer : public QObject {
  Q_OBJECT
 public:
  TTimer(QObject* parent, int interval);

  int Interval() const { return timer_.interval(); }
  void setInterval(int ms);
  bool Enabled() const { return timer_.isActive(); }
  // The object whose timer events make the ticks.
  const QObject* horloge() const { return &timer_; }

  std::function<void()> OnTimer;

 private:
  QTimer timer_;
};

}  // namespace orvane
