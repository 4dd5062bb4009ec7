#pragma once

#include <string>

#include "console/ScreenModel.h"
#include "support/Emulator.h"

namespace vm::test {

// Palette index a terminal reports for each of the console's colours (the
// console counts blue as 1 and red as 4, the terminal the other way round).
inline constexpr int kPaletteOf[16] = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};

// Compares what a terminal shows with the model, cell by cell: characters,
// two cells for every double-byte character (the second blank when the
// terminal gives the character one cell), background everywhere, foreground
// wherever something is drawn. Rows from `rows` on are not compared.
// Returns the first differences found, empty when there are none.
std::string differences(const EmulatedScreen& term, const ScreenModel& model, int rows = -1);

}  // namespace vm::test
