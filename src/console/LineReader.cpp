#include "console/LineReader.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace vm {

namespace {
bool isWhite(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
}  // namespace

bool LineReader::fill() {
  if (pos_ < buffer_.size()) return true;
  if (ended_) return false;
  std::optional<std::string> line = source_();
  if (!line) {
    ended_ = true;
    return false;
  }
  buffer_ = std::move(*line);
  pos_ = 0;
  return !buffer_.empty() || fill();
}

bool LineReader::skipWhite() {
  for (;;) {
    if (!fill()) return false;
    while (pos_ < buffer_.size() && isWhite(buffer_[pos_])) ++pos_;
    if (pos_ < buffer_.size()) return true;
  }
}

bool LineReader::readInt(int& out) {
  if (!skipWhite()) return false;
  size_t p = pos_;
  bool negative = false;
  if (buffer_[p] == '-' || buffer_[p] == '+') negative = buffer_[p++] == '-';
  std::int64_t value = 0;
  size_t digits = 0;
  while (p < buffer_.size() && std::isdigit(static_cast<unsigned char>(buffer_[p]))) {
    if (value <= std::int64_t{1} << 33) value = value * 10 + (buffer_[p] - '0');
    ++p;
    ++digits;
  }
  if (negative) value = -value;
  if (digits == 0 || value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) {
    discardBuffered();
    return false;
  }
  pos_ = p;
  out = static_cast<int>(value);
  return true;
}

bool LineReader::readWord(std::string& out) {
  if (!skipWhite()) return false;
  size_t p = pos_;
  while (p < buffer_.size() && !isWhite(buffer_[p])) ++p;
  out.assign(buffer_, pos_, p - pos_);
  pos_ = p;
  return true;
}

int LineReader::get() {
  if (!fill()) return -1;
  return static_cast<unsigned char>(buffer_[pos_++]);
}

}  // namespace vm
