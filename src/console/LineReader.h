#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vm {

// Answers typed on standard input, read line-wise. When a read needs input
// and the buffer is empty, the next whole line (with its '\n') is taken from
// the source; extraction then works over that buffer like `>>` does, so
// what an answer leaves of its line stays for the next answer.
class LineReader {
 public:
  // Returns the next line including its '\n' (the last line of a stream may
  // lack it), or nothing at end of input.
  using LineSource = std::function<std::optional<std::string>()>;

  explicit LineReader(LineSource source) : source_(std::move(source)) {}

  // Integer extraction: skips blanks and line ends, then reads an optional
  // sign and decimal digits. False when the next item is not a number that
  // fits in 32 bits, or at end of input; the rest of the buffered line is
  // then dropped, so a bad answer never spills into the next question.
  bool readInt(int& out);
  // Word extraction: skips blanks and line ends, then takes bytes up to the
  // next blank or line end. False at end of input.
  bool readWord(std::string& out);
  // One character, blanks and line ends included; -1 at end of input.
  int get();
  // Drops whatever is buffered.
  void discardBuffered() { buffer_.clear(), pos_ = 0; }
  bool atEnd() const { return ended_; }

 private:
  bool fill();  // false at end of input
  bool skipWhite();

  LineSource source_;
  std::string buffer_;
  size_t pos_ = 0;
  bool ended_ = false;
};

}  // namespace vm
