#pragma once

#include <functional>
#include <optional>
#include <string>

#include "console/KeyDecoder.h"

namespace vm {

// Standard input as bytes for the key decoder and the answer reader. Bytes
// are read in blocks and handed out one at a time, so keys and answer lines
// share one stream. While it waits it also watches a wake-up descriptor (the
// resize self-pipe) and runs `onWake` when that becomes readable.
class TerminalInput : public ByteSource {
 public:
  // `escapeTimeoutMs` bounds the wait for the rest of an escape sequence
  // (on a terminal, so a lone Escape is a key); -1 waits as long as it takes.
  TerminalInput(int fd, int escapeTimeoutMs);

  void watch(int wakeFd, std::function<void()> onWake);

  int next() override;
  int peekFollowing() override;
  // The bytes up to and including the next '\n'; a last line without one
  // counts; nothing at end of input.
  std::optional<std::string> readLine();

 private:
  // Reads more input; false on end of input or when `timeoutMs` passed.
  bool fill(int timeoutMs);

  int fd_;
  int escapeTimeoutMs_;
  int wakeFd_ = -1;
  std::function<void()> onWake_;
  std::string buffer_;
  size_t pos_ = 0;
  bool ended_ = false;
};

}  // namespace vm
