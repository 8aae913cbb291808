#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace orvane {

// A session that ends by signals (SIGTERM from the session's end or a shutdown, SIGHUP when
// the terminal goes, SIGINT from Ctrl-C) ends Orvane as a logout does: `fin` runs on the
// user-interface thread, between two events, never inside the signal handler. One instance
// per process.
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

// For a process without an event loop (orvane --render): SIGTERM, SIGINT and SIGHUP remove
// the named temporary files of the writes in progress, then end the process as the signal
// would have.
void supprimer_temporaires_par_signal();

}  // namespace orvane
