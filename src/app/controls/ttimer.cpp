#include "app/controls/ttimer.h"

#include "app/controls/frontiere.h"

namespace orvane {

TTimer::TTimer(QObject* parent, int interval) : QObject(parent) {
  timer_.setInterval(interval);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (OnTimer) a_la_frontiere(OnTimer);
  });
  timer_.start();
}

void TTimer::setInterval(int ms) {
  if (ms != timer_.interval()) timer_.start(ms);
}

}  // namespace orvane
