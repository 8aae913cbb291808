#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace orvane::test {

// Caps the size of any file this process writes, as a full disk would; root included.
class LimiteTailleFichier {
 public:
  explicit LimiteTailleFichier(rlim_t octets) {
    getrlimit(RLIMIT_FSIZE, &avant_);
    signal_avant_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limite = avant_;
    limite.rlim_cur = octets;
    setrlimit(RLIMIT_FSIZE, &limite);
  }
  ~LimiteTailleFichier() {
    setrlimit(RLIMIT_FSIZE, &avant_);
    signal(SIGXFSZ, signal_avant_);
  }

 private:
  rlimit avant_{};
  sighandler_t signal_avant_;
};

}  // namespace orvane::test
