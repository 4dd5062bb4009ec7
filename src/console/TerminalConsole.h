#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "console/Console.h"
#include "console/Renderer.h"
#include "console/Signals.h"
#include "console/TerminalInput.h"
#include "console/TtyMode.h"

namespace vm {

// The console on a real terminal or a pipe. The picture is kept as a
// ScreenModel of 122 x 61 cells and sent as one VT100/xterm byte stream in
// UTF-8, whether or not standard output is a terminal; only what changed is
// sent, before every blocking read and pause, in one write.
//
// On a terminal: the alternate screen, a hidden cursor, raw keys, answers as
// edited and echoed lines, and everything put back on every way out; a
// window smaller than the game gets a message until it is large enough.
// Piped: the screen is 122 x 61, nothing is queried, and standard input is
// one byte stream for keys and answer lines alike.
class TerminalConsole : public ModelConsole {
 public:
  static constexpr int kWidth = 122;
  static constexpr int kHeight = 61;
  // The smallest window the game is played in; lower rows are left out.
  static constexpr int kMinRows = 43;

  TerminalConsole(int inFd, int outFd);
  ~TerminalConsole() override;
  TerminalConsole(const TerminalConsole&) = delete;
  TerminalConsole& operator=(const TerminalConsole&) = delete;

  void Clear() override;
  void HideCursor() override;
  int GetKey() override;
  void Sleep(int ms) override;
  LineReader& In() override { return reader_; }

  // Sends what changed since the last flush.
  void flush();
  // Puts the terminal back as it was found (idempotent).
  void restore();
  // Bytes written to standard output so far.
  std::uint64_t bytesWritten() const { return bytesWritten_; }

 private:
  std::optional<std::string> readAnswerLine();
  [[noreturn]] void interrupted();
  void writeAll(std::string_view bytes);
  void followResize();
  bool fits() const { return size_.cols >= kWidth && size_.rows >= kMinRows; }
  void waitUntilLargeEnough();

  int inFd_;
  int outFd_;
  bool inTty_;
  bool outTty_;
  TtyMode tty_;
  std::string restoreBytes_;
  std::unique_ptr<SignalGuard> signals_;
  TerminalInput input_;
  LineReader reader_;
  Renderer renderer_;
  TerminalSize size_{kWidth, kHeight};
  std::string frame_;
  std::string pending_;  // mode changes to send with the next frame
  bool cursorHideSent_ = false;
  bool restored_ = false;
  std::uint64_t bytesWritten_ = 0;
};

}  // namespace vm
