#pragma once

// What the tests of hostile files need: a guard against a hang, a thread without root's
// power over file permissions, a named pipe.

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace orvane::test {

// Ends the test program if the guarded scope has not ended within its time: a hang fails
// loudly instead of blocking the run.
class ChienDeGarde {
 public:
  ChienDeGarde(int secondes, std::string quoi)
      : quoi_(std::move(quoi)), fil_([this, secondes] {
          std::unique_lock<std::mutex> verrou(mutex_);
          if (!fin_.wait_for(verrou, std::chrono::seconds(secondes), [this] { return fini_; })) {
            std::fprintf(stderr, "hung for %d s: %s\n", secondes, quoi_.c_str());
            std::abort();
          }
        }) {}
  ~ChienDeGarde() {
    {
      std::lock_guard<std::mutex> verrou(mutex_);
      fini_ = true;
    }
    fin_.notify_one();
    fil_.join();
  }

 private:
  std::string quoi_;
  std::mutex mutex_;
  std::condition_variable fin_;
  bool fini_ = false;
  std::thread fil_;
};

// Runs `f` in a thread that cannot bypass file permissions (capabilities belong to each
// thread), so that root meets "permission denied" like any user. Returns false if that
// power could not be dropped.
template <class F>
bool sans_passe_droits(F&& f) {
  bool lache = false;
  std::thread fil([&] {
    __user_cap_header_struct tete{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct donnees[2]{};
    if (syscall(SYS_capget, &tete, donnees) != 0) return;
    for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
      donnees[cap / 32].effective &= ~(1u << (cap % 32));
    if (syscall(SYS_capset, &tete, donnees) != 0) return;
    lache = true;
    f();
  });
  fil.join();
  return lache;
}

inline bool creer_tube(const QString& chemin) {
  return mkfifo(QFile::encodeName(chemin).constData(), 0644) == 0;
}

}  // namespace orvane::test
