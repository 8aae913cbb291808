#include "app/fin_par_signal.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "persistence/ecriture_atomique.h"

namespace orvane {

namespace {

constexpr int kSignauxDeFin[] = {SIGTERM, SIGHUP, SIGINT};

// The handler only writes a byte; the notifier reads it in the event loop.
int tube[2] = {-1, -1};

void au_signal(int) {
  const char octet = 1;
  [[maybe_unused]] const ssize_t ecrit = ::write(tube[0], &octet, 1);
}

// The handler runs once: the signal raised again ends the process with its default action.
void supprimer_puis_finir(int signal) {
  supprimer_temporaires_en_cours();
  ::raise(signal);
}

}  // namespace

FinParSignal::FinParSignal(std::function<void()> fin, QObject* parent)
    : QObject(parent), fin_(std::move(fin)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, tube) != 0) return;
  notificateur_ = new QSocketNotifier(tube[1], QSocketNotifier::Read, this);
  connect(notificateur_, &QSocketNotifier::activated, this, [this] {
    char octet = 0;
    [[maybe_unused]] const ssize_t lu = ::read(tube[1], &octet, 1);
    fin_();
  });
  struct sigaction action {};
  action.sa_handler = au_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignauxDeFin) sigaction(signal, &action, nullptr);
}

FinParSignal::~FinParSignal() {
  for (const int signal : kSignauxDeFin) std::signal(signal, SIG_DFL);
  delete notificateur_;
  for (int& bout : tube) {
    if (bout >= 0) ::close(bout);
    bout = -1;
  }
}

void supprimer_temporaires_par_signal() {
  struct sigaction action {};
  action.sa_handler = supprimer_puis_finir;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  for (const int signal : kSignauxDeFin) sigaction(signal, &action, nullptr);
}

}  // namespace orvane
