#pragma once

#include "console/Console.h"

namespace vm {

// The box the help and inventory screens are drawn in: a line of 120 "-"
// on rows 0 and 31, and rows 1 to 30 framed by "|" with 118 blanks between.
void drawScreenBox(Console& con);

// Blanks the map rows 32 to 37, so nothing of the map shows below the box.
void blankBelowScreenBox(Console& con);

// Inside the box, text starts at this column and is at most this wide.
inline constexpr int kBoxTextCol = 1;
inline constexpr int kBoxTextCells = 118;
inline constexpr int kBoxFirstRow = 1;
inline constexpr int kBoxLastRow = 30;

}  // namespace vm
