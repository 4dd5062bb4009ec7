#include "console/TtyMode.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace vm {

bool TtyMode::enterRaw(int fd) {
  if (raw_ || tcgetattr(fd, &saved_) != 0) return false;
  termios raw = saved_;
  raw.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INPCK | ISTRIP | IXON);
  raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | IEXTEN | ISIG);
  raw.c_cflag |= CS8;
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  // Output processing stays as it was: the renderer never relies on a bare
  // line feed either way.
  // Keys typed ahead of the start are kept.
  if (tcsetattr(fd, TCSANOW, &raw) != 0) return false;
  fd_ = fd;
  raw_ = true;
  return true;
}

void TtyMode::restore() {
  if (!raw_) return;
  while (tcsetattr(fd_, TCSAFLUSH, &saved_) != 0 && errno == EINTR) {
  }
  raw_ = false;
}

std::optional<TerminalSize> querySize(int fd) {
  winsize ws{};
  if (ioctl(fd, TIOCGWINSZ, &ws) != 0 || ws.ws_col == 0 || ws.ws_row == 0) return std::nullopt;
  return TerminalSize{ws.ws_col, ws.ws_row};
}

}  // namespace vm
