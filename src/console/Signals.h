#pragma once

#include <termios.h>

#include <string_view>

namespace vm {

// The ways out that bypass the game's own end. SIGINT, SIGTERM, SIGHUP and
// SIGQUIT (and an uncaught exception) put the terminal back and end the
// process; SIGWINCH is passed on through a self-pipe, so the handlers do
// nothing but async-signal-safe calls. What to put back is built once, when
// the guard is made. One guard at a time per process.
class SignalGuard {
 public:
  // On a way out: `saved` is set again on `ttyFd` (when not null) and
  // `restoreBytes` are written to `outFd`.
  SignalGuard(int outFd, std::string_view restoreBytes, int ttyFd, const termios* saved, bool watchResize);
  ~SignalGuard();  // the previous handlers come back
  SignalGuard(const SignalGuard&) = delete;
  SignalGuard& operator=(const SignalGuard&) = delete;

  // Read end of the self-pipe, readable after a resize; -1 when resizes are
  // not watched.
  int resizeFd() const;
  // Empties the pipe; true when a resize came since the last call.
  bool takeResize();
  // The terminal has been put back by the normal way: the handlers just end
  // the process from now on.
  void disarm();
};

}  // namespace vm
