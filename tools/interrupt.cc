#include "interrupt.h"

#include <poll.h>

#include <cerrno>
#include <csignal>

namespace chatmind::tool {
namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void NoteInterrupt(int) { interrupted = 1; }

sigset_t InterruptSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  return signals;
}

}  // namespace

void CatchInterrupts() {
  struct sigaction action = {};
  action.sa_handler = NoteInterrupt;
  sigemptyset(&action.sa_mask);
  // Reads wait in WaitForInput, which a signal always ends; any other call
  // it interrupts goes on, so that no output is lost to it.
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

bool Interrupted() { return interrupted != 0; }

bool WaitForInput(int fd) {
  // The signals stay blocked between the check and the wait, and ppoll
  // unblocks them only while it waits: one that arrives in between is
  // delivered there and ends the wait instead of being missed.
  const sigset_t signals = InterruptSignals();
  sigset_t previous;
  pthread_sigmask(SIG_BLOCK, &signals, &previous);
  sigset_t waiting = previous;
  sigdelset(&waiting, SIGINT);
  sigdelset(&waiting, SIGTERM);
  pollfd input = {fd, POLLIN, 0};
  bool ready = false;
  while (!Interrupted()) {
    const int result = ppoll(&input, 1, nullptr, &waiting);
    if (result > 0 || (result < 0 && errno != EINTR)) {
      ready = true;  // a failed wait is left for the read to report
      break;
    }
  }
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  return ready && !Interrupted();
}

}  // namespace chatmind::tool
