#pragma once

#include <string>

namespace vm::esc {

// VT100/xterm control sequences, rows and columns from 0 as the screen model
// counts them. A count of 1 is left out: every sequence defaults to 1.

inline void appendCount(std::string& out, int n) {
  if (n != 1) out += std::to_string(n);
}

inline void cursorTo(std::string& out, int row, int col) {
  out += "\x1b[";
  if (row != 0 || col != 0) out += std::to_string(row + 1);
  if (col != 0) {
    out += ';';
    out += std::to_string(col + 1);
  }
  out += 'H';
}

// Relative motion: 'A' up, 'B' down, 'C' right, 'D' left.
inline void cursorBy(std::string& out, int n, char direction) {
  out += "\x1b[";
  appendCount(out, n);
  out += direction;
}

// Erases n cells from the cursor in the current background; the cursor
// stays.
inline void eraseCells(std::string& out, int n) {
  out += "\x1b[";
  appendCount(out, n);
  out += 'X';
}

inline constexpr const char* kEraseToLineEnd = "\x1b[K";
inline constexpr const char* kEraseScreen = "\x1b[2J";
inline constexpr const char* kSyncBegin = "\x1b[?2026h";
inline constexpr const char* kSyncEnd = "\x1b[?2026l";
inline constexpr const char* kAlternateScreen = "\x1b[?1049h";
inline constexpr const char* kMainScreen = "\x1b[?1049l";
inline constexpr const char* kHideCursor = "\x1b[?25l";
inline constexpr const char* kShowCursor = "\x1b[?25h";
inline constexpr const char* kResetAttributes = "\x1b[0m";

// Length of a sequence built by the functions above, without building it.
inline int digits(int n) { return n < 10 ? 1 : n < 100 ? 2 : n < 1000 ? 3 : 4; }
inline int countLength(int n) { return n == 1 ? 0 : digits(n); }

}  // namespace vm::esc
