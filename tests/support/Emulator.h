#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vm::test {

// One cell as a real terminal shows it.
struct EmulatedCell {
  std::string ch;  // UTF-8; empty for a cell never written and for the second half of a wide character
  int width;       // 1, 2 for a wide character, 0 for its second half
  int fg;          // palette index (0-15: the SGR colour 30-37/90-97); -1 the terminal's default
  int bg;          // the same for the background (SGR 40-47/100-107)
};

// The picture a terminal ends up showing after a byte stream.
struct EmulatedScreen {
  int cols = 0;
  int rows = 0;
  std::vector<std::vector<EmulatedCell>> cells;  // [row][col]
  int cursorCol = 0;
  int cursorRow = 0;
  bool alternateBuffer = false;  // the stream left the terminal on its alternate screen
  int cursorHidden = -1;         // 1 hidden, 0 shown, -1 unknown

  const EmulatedCell& at(int col, int row) const { return cells[static_cast<size_t>(row)][static_cast<size_t>(col)]; }
  // The row as UTF-8, one character per cell (a wide one once, an empty
  // cell as a blank), trailing blanks removed.
  std::string rowText(int row) const;
  // `count` cells from (col, row) the same way, blanks kept.
  std::string text(int col, int row, int count) const;
};

// Feeds `bytes` whole into a headless xterm of cols x rows (the npm package
// in tests/e2e, run by node) and reads back every cell. Throws
// std::runtime_error when node or the package cannot be run.
EmulatedScreen emulate(std::string_view bytes, int cols = 122, int rows = 61);

}  // namespace vm::test
