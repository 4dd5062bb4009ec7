#pragma once

#include <termios.h>

#include <optional>

namespace vm {

// Raw key input on a terminal: no line buffering, no echo, Ctrl-C and
// Ctrl-Z arrive as bytes. The settings found are kept for every way out.
class TtyMode {
 public:
  TtyMode() = default;
  ~TtyMode() { restore(); }
  TtyMode(const TtyMode&) = delete;
  TtyMode& operator=(const TtyMode&) = delete;

  // False when `fd` is not a terminal or refuses the change.
  bool enterRaw(int fd);
  // Puts the settings back (idempotent).
  void restore();
  // The settings found, for a signal handler to put back; null when none
  // were changed.
  const termios* saved() const { return raw_ ? &saved_ : nullptr; }

 private:
  int fd_ = -1;
  bool raw_ = false;
  termios saved_{};
};

struct TerminalSize {
  int cols;
  int rows;
};

// The window size of the terminal on `fd`, when it tells.
std::optional<TerminalSize> querySize(int fd);

}  // namespace vm
