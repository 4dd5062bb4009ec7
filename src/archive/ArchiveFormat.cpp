#include "archive/ArchiveFormat.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vm {

namespace {

using Traits = std::istream::traits_type;

bool isWhite(int ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r'; }
bool isDigit(int ch) { return ch >= '0' && ch <= '9'; }

// The first byte after the white space, or eof.
int skipWhite(std::istream& in) {
  int ch = in.get();
  while (ch != Traits::eof() && isWhite(ch)) ch = in.get();
  return ch;
}

}  // namespace

std::optional<int> extractNumber(std::istream& in) {
  int ch = skipWhite(in);
  bool negative = false;
  if (ch == '+' || ch == '-') {
    negative = ch == '-';
    ch = in.get();
  }
  // The magnitude stops growing once it is past every 32-bit value, so a
  // file of a thousand digits neither overflows nor loads.
  constexpr std::int64_t kPastRange = std::int64_t{1} << 32;
  std::int64_t magnitude = 0;
  bool anyDigit = false;
  for (; ch != Traits::eof() && isDigit(ch); ch = in.get()) {
    anyDigit = true;
    if (magnitude < kPastRange) magnitude = magnitude * 10 + (ch - '0');
  }
  if (!anyDigit) return std::nullopt;
  std::int64_t value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<std::string> extractWord(std::istream& in) {
  int ch = skipWhite(in);
  if (ch == Traits::eof()) return std::nullopt;
  std::string word;
  for (; ch != Traits::eof() && !isWhite(ch); ch = in.get()) word.push_back(static_cast<char>(ch));
  return word;
}

std::vector<std::string> readLines(std::istream& in) {
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string numberText(int value) { return std::to_string(value); }

std::string itemsText(const Game& g) {
  std::string text;
  int used = std::clamp(g.qt_tot, 0, kItemCapacity);
  for (int i = 1; i <= used; ++i) text += g.qt[static_cast<size_t>(i)] + '\n';
  for (const std::string& line : g.qtOverflow) text += line + '\n';
  return text;
}

}  // namespace vm
