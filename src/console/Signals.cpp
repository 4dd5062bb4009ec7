#include "console/Signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <exception>
#include <iterator>

namespace vm {

namespace {

constexpr int kExitSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Everything the handlers touch, filled before they are installed.
volatile sig_atomic_t gArmed = 0;
int gOutFd = -1;
char gRestore[128];
size_t gRestoreLength = 0;
int gTtyFd = -1;
termios gSaved{};
bool gHaveSaved = false;
int gWakeRead = -1;
int gWakeWrite = -1;
struct sigaction gPrevious[std::size(kExitSignals)];
struct sigaction gPreviousResize;
std::terminate_handler gPreviousTerminate = nullptr;

void putTerminalBack() {
  if (!gArmed) return;
  gArmed = 0;
  if (gHaveSaved) tcsetattr(gTtyFd, TCSANOW, &gSaved);
  size_t done = 0;
  while (done < gRestoreLength) {
    ssize_t n = write(gOutFd, gRestore + done, gRestoreLength - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else if (n < 0 && errno != EINTR) {
      break;
    }
  }
}

void onExitSignal(int sig) {
  putTerminalBack();
  _exit(128 + sig);
}

void onResize(int) {
  const int savedErrno = errno;
  const char b = 1;
  ssize_t ignored = write(gWakeWrite, &b, 1);  // a full pipe already holds a wake-up
  (void)ignored;
  errno = savedErrno;
}

void onTerminate() {
  putTerminalBack();
  if (gPreviousTerminate) gPreviousTerminate();
  std::abort();
}

}  // namespace

SignalGuard::SignalGuard(int outFd, std::string_view restoreBytes, int ttyFd, const termios* saved, bool watchResize) {
  gOutFd = outFd;
  gRestoreLength = std::min(restoreBytes.size(), sizeof gRestore);
  std::copy_n(restoreBytes.data(), gRestoreLength, gRestore);
  gTtyFd = ttyFd;
  gHaveSaved = saved != nullptr;
  if (saved) gSaved = *saved;
  gArmed = 1;

  struct sigaction sa {};
  sigemptyset(&sa.sa_mask);
  for (int sig : kExitSignals) sigaddset(&sa.sa_mask, sig);
  sa.sa_handler = onExitSignal;
  for (size_t i = 0; i < std::size(kExitSignals); ++i) sigaction(kExitSignals[i], &sa, &gPrevious[i]);
  gPreviousTerminate = std::set_terminate(onTerminate);

  int fds[2];
  if (watchResize && pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0) {
    gWakeRead = fds[0];
    gWakeWrite = fds[1];
    struct sigaction wsa {};
    sigemptyset(&wsa.sa_mask);
    wsa.sa_handler = onResize;
    wsa.sa_flags = SA_RESTART;
    sigaction(SIGWINCH, &wsa, &gPreviousResize);
  }
}

SignalGuard::~SignalGuard() {
  if (gWakeRead >= 0) {
    sigaction(SIGWINCH, &gPreviousResize, nullptr);
    close(gWakeRead);
    close(gWakeWrite);
    gWakeRead = gWakeWrite = -1;
  }
  std::set_terminate(gPreviousTerminate);
  for (size_t i = 0; i < std::size(kExitSignals); ++i) sigaction(kExitSignals[i], &gPrevious[i], nullptr);
  gArmed = 0;
}

int SignalGuard::resizeFd() const { return gWakeRead; }

bool SignalGuard::takeResize() {
  if (gWakeRead < 0) return false;
  bool any = false;
  char buf[64];
  while (read(gWakeRead, buf, sizeof buf) > 0) any = true;
  return any;
}

void SignalGuard::disarm() { gArmed = 0; }

}  // namespace vm
