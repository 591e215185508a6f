#include "tests/support/children.h"

#include <sys/prctl.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <ctime>

namespace ham::testing {

namespace {

sigset_t ChildSignal() {
  sigset_t s;
  sigemptyset(&s);
  sigaddset(&s, SIGCHLD);
  return s;
}

}  // namespace

void AdoptStartedPrograms() {
  static const bool adopted = [] {
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    // A child's end stays pending until WaitForStartedPrograms takes it.
    sigset_t s = ChildSignal();
    pthread_sigmask(SIG_BLOCK, &s, nullptr);
    return true;
  }();
  (void)adopted;
}

bool WaitForStartedPrograms(std::chrono::milliseconds limit) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + limit;
  const sigset_t s = ChildSignal();
  for (;;) {
    int status = 0;
    const pid_t ended = waitpid(-1, &status, WNOHANG);
    if (ended > 0) continue;
    if (ended < 0) {
      if (errno == EINTR) continue;
      return errno == ECHILD;  // none left
    }
    const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    timespec ts{};
    ts.tv_sec = static_cast<std::time_t>(left.count() / 1000000000);
    ts.tv_nsec = static_cast<long>(left.count() % 1000000000);
    sigtimedwait(&s, nullptr, &ts);  // an end, the deadline or a signal: look again
  }
}

}  // namespace ham::testing
