#include "platform/signals.h"

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <cstdio>
#include <thread>

namespace ham {

namespace {
std::atomic<int> g_count{0};
std::atomic<void (*)()> g_wake{nullptr};

sigset_t CloseSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGHUP);
  return set;
}
}  // namespace

void WatchCloseSignals() {
  static std::atomic<bool> started{false};
  if (started.exchange(true)) return;
  sigset_t set = CloseSignals();
  if (pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0) {
    std::perror("close signals");
    return;
  }
  std::thread([set] {
    for (;;) {
      int sig = 0;
      if (sigwait(&set, &sig) != 0) continue;
      g_count.fetch_add(1);
      if (void (*wake)() = g_wake.load()) wake();
    }
  }).detach();
}

int CloseSignalCount() { return g_count.load(); }

void SetCloseSignalWake(void (*wake)()) { g_wake.store(wake); }

}  // namespace ham
