#include "console/TerminalConsole.h"

#include <unistd.h>

#include <cstdio>

#include "console/Gbk.h"

namespace vm {

// First cut: piped input only, whole-screen repaint on every flush.

TerminalConsole::TerminalConsole(int inFd, int outFd)
    : ModelConsole(122, 61),
      inFd_(inFd),
      outFd_(outFd),
      inTty_(isatty(inFd) == 1),
      outTty_(isatty(outFd) == 1),
      reader_([this] {
        flush();
        return readLine();
      }),
      shown_(122, 61) {}

TerminalConsole::~TerminalConsole() { restore(); }

int TerminalConsole::readByte(bool) {
  if (!pending_.empty()) {
    int b = static_cast<unsigned char>(pending_[0]);
    pending_.erase(0, 1);
    return b;
  }
  if (inputEnded_) return -1;
  char b;
  ssize_t n = ::read(inFd_, &b, 1);
  if (n <= 0) {
    inputEnded_ = true;
    return -1;
  }
  return static_cast<unsigned char>(b);
}

int TerminalConsole::next() { return readByte(true); }

int TerminalConsole::peekFollowing() {
  int b = readByte(true);
  if (b >= 0) pending_.insert(pending_.begin(), static_cast<char>(b));
  return b;
}

std::optional<std::string> TerminalConsole::readLine() {
  std::string line;
  for (;;) {
    int b = readByte(true);
    if (b < 0) break;
    line.push_back(static_cast<char>(b));
    if (b == '\n') break;
  }
  if (line.empty()) return std::nullopt;
  return line;
}

int TerminalConsole::GetKey() {
  flush();
  int k = decodeKey(*this);
  return k == key::Interrupt && !inTty_ ? key::Unknown : k;
}

void TerminalConsole::Sleep(int ms) {
  flush();
  usleep(static_cast<useconds_t>(ms) * 1000);
}

void TerminalConsole::flush() {
  std::string out;
  if (!started_) {
    out += "\x1b[?1049h\x1b[?25l";
    started_ = true;
  }
  for (int r = 0; r < screen_.height(); ++r) {
    out += "\x1b[" + std::to_string(r + 1) + ";1H";
    for (int c = 0; c < screen_.width(); ++c) {
      const ScreenModel::Cell& cell = screen_.cell(c, r);
      static const int kAnsi[8] = {0, 4, 2, 6, 1, 5, 3, 7};
      out += "\x1b[" + std::to_string((cell.fg & 8 ? 90 : 30) + kAnsi[cell.fg & 7]) + ";" +
             std::to_string((cell.bg & 8 ? 100 : 40) + kAnsi[cell.bg & 7]) + "m";
      if (cell.half == ScreenModel::Half::Lead) {
        std::string pair{cell.byte, screen_.cell(c + 1, r).byte};
        out += utf8(pair);
        out += "\x1b[" + std::to_string(r + 1) + ";" + std::to_string(c + 3) + "H";
        ++c;
      } else {
        out += cell.byte;
      }
    }
  }
  ssize_t ignored = ::write(outFd_, out.data(), out.size());
  (void)ignored;
}

void TerminalConsole::restore() {
  if (restored_ || !started_) return;
  restored_ = true;
  const char* seq = "\x1b[0m\x1b[?25h\x1b[?1049l";
  ssize_t ignored = ::write(outFd_, seq, std::char_traits<char>::length(seq));
  (void)ignored;
}

}  // namespace vm
