#include "console/TerminalConsole.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "console/EscapeCodes.h"
#include "console/LineEditor.h"

namespace vm {

namespace {

// Long enough for the rest of an escape sequence to arrive over a slow link,
// short enough that a lone Escape feels immediate.
constexpr int kEscapeTimeoutMs = 30;
// Frames larger than this are wrapped in a synchronized update, so that a
// terminal never shows half of a repaint; small ones arrive whole anyway.
constexpr size_t kSyncThreshold = 256;
constexpr char kCtrlC = 0x03;
// 128 + SIGINT, as a shell reports a process ended by Ctrl-C.
constexpr int kInterruptedStatus = 130;

std::string tooSmallMessage(TerminalSize have) {
  return std::string("\x1b[37;40m") + esc::kEraseScreen + "\x1b[H" + "Vellmarch needs a terminal of at least " +
         std::to_string(TerminalConsole::kWidth) + " columns by " + std::to_string(TerminalConsole::kMinRows) +
         " rows.\r\nThis one is " + std::to_string(have.cols) + " columns by " + std::to_string(have.rows) +
         " rows.\r\nPlease enlarge the window (or choose a smaller font); the game goes on then.";
}

}  // namespace

TerminalConsole::TerminalConsole(int inFd, int outFd)
    : ModelConsole(kWidth, kHeight),
      inFd_(inFd),
      outFd_(outFd),
      inTty_(isatty(inFd) == 1),
      outTty_(isatty(outFd) == 1),
      input_(inFd, inTty_ ? kEscapeTimeoutMs : -1),
      reader_([this] {
        flush();
        return readAnswerLine();
      }),
      renderer_(kWidth, kHeight) {
  if (inTty_) tty_.enterRaw(inFd);
  restoreBytes_ = std::string(esc::kResetAttributes) + esc::kShowCursor;
  // A recorded run must end showing the game's last screen, so the
  // alternate screen is used only on a terminal.
  if (outTty_) restoreBytes_ += esc::kMainScreen;
  signals_ = std::make_unique<SignalGuard>(outFd, restoreBytes_, inFd, tty_.saved(), outTty_);
  if (outTty_) {
    pending_ = std::string(esc::kAlternateScreen) + esc::kHideCursor;
    cursorHideSent_ = true;
    size_ = querySize(outFd).value_or(size_);
    renderer_.setVisibleRows(size_.rows);
    input_.watch(signals_->resizeFd(), [this] { followResize(); });
  }
}

TerminalConsole::~TerminalConsole() { restore(); }

void TerminalConsole::Clear() {
  ModelConsole::Clear();
  renderer_.repaintAll();
}

void TerminalConsole::HideCursor() {
  ModelConsole::HideCursor();
  if (!cursorHideSent_) pending_ += esc::kHideCursor;
  cursorHideSent_ = true;
}

int TerminalConsole::GetKey() {
  flush();
  int k = decodeKey(input_);
  if (k == key::Interrupt) {
    if (inTty_) interrupted();
    return key::Unknown;  // piped, byte 3 is just a byte
  }
  return k;
}

void TerminalConsole::Sleep(int ms) {
  flush();
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  const int wake = signals_->resizeFd();
  if (wake < 0) {
    std::this_thread::sleep_until(deadline);
    return;
  }
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return;
    pollfd fd{wake, POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(left)) > 0) followResize();
  }
}

std::optional<std::string> TerminalConsole::readAnswerLine() {
  if (!inTty_) return input_.readLine();
  LineEditor editor{input_, screen_, [this] { flush(); }, [this] { interrupted(); }};
  return editor.read();
}

void TerminalConsole::interrupted() {
  restore();
  _exit(kInterruptedStatus);
}

void TerminalConsole::flush() {
  if (restored_) return;
  frame_.clear();
  frame_.swap(pending_);
  if (outTty_ && !fits()) {
    writeAll(frame_);
    frame_.clear();
    waitUntilLargeEnough();
  }
  const size_t start = frame_.size();
  renderer_.render(screen_, frame_);
  if (frame_.size() - start > kSyncThreshold) {
    frame_.insert(start, esc::kSyncBegin);
    frame_ += esc::kSyncEnd;
  }
  if (!frame_.empty()) writeAll(frame_);
}

void TerminalConsole::followResize() {
  if (!signals_->takeResize()) return;
  size_ = querySize(outFd_).value_or(size_);
  renderer_.setVisibleRows(size_.rows);
  renderer_.invalidate();
  flush();
}

// Shows the message and follows resizes until the game fits; Ctrl-C still
// ends the game. Keys typed meanwhile are dropped: nothing of the game is
// visible to aim them at.
void TerminalConsole::waitUntilLargeEnough() {
  const int wake = signals_->resizeFd();
  if (wake < 0) return;
  while (!fits()) {
    writeAll(tooSmallMessage(size_));
    pollfd fds[2] = {{wake, POLLIN, 0}, {inTty_ ? inFd_ : -1, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) continue;
    if (fds[1].revents != 0) {
      char typed[256];
      ssize_t n = read(inFd_, typed, sizeof typed);
      if (n > 0 && std::memchr(typed, kCtrlC, static_cast<size_t>(n))) interrupted();
      if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) break;  // input gone: nothing to wait for
    }
    if (signals_->takeResize()) size_ = querySize(outFd_).value_or(size_);
  }
  renderer_.setVisibleRows(size_.rows);
  renderer_.invalidate();
}

void TerminalConsole::writeAll(std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(outFd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && errno == EAGAIN) {
      pollfd fd{outFd_, POLLOUT, 0};
      poll(&fd, 1, -1);
    } else {
      break;  // the reader has gone; the game plays on unseen
    }
  }
  bytesWritten_ += done;
}

void TerminalConsole::restore() {
  if (restored_) return;
  restored_ = true;
  signals_->disarm();
  writeAll(restoreBytes_);
  tty_.restore();
}

}  // namespace vm
