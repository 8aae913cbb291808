#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace orvane {

// A session that ends by signals (SIGTERM from the session's end or a shutdown, SIGHUP when
// the terminal goes) ends Orvane as a logout does: `fin` runs on the user-interface thread,
// between two events, never inside the signal handler. One instance per process.
class FinParSignal : public QObject {
 public:
  FinParSignal(std::function<void()> fin, QObject* parent = nullptr);
  ~FinParSignal() override;
  FinParSignal(const FinParSignal&) = delete;
  FinParSignal& operator=(const FinParSignal&) = delete;

 private:
  std::function<void()> fin_;
  QSocketNotifier* notificateur_ = nullptr;
};

}  // namespace orvane
