#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "game/Game.h"

namespace vm {

// How the archive files read and write, independent of where they lie.

// Formatted integer extraction as `>>` does it: white space skipped, then an
// optional sign and decimal digits; whatever follows the digits is left.
// Nothing when there is no number or it does not fit in 32 bits.
std::optional<int> extractNumber(std::istream& in);

// One word: white space skipped, then the bytes up to the next white space.
// Nothing when the stream holds no word.
std::optional<std::string> extractWord(std::istream& in);

// The lines of a file as std::getline splits them (a last line without a
// line end counts, an empty file has none), each without its line end and
// without one '\r' before it, as text mode on the game's first platform
// dropped it.
std::vector<std::string> readLines(std::istream& in);

// A number file's content: decimal digits, '-' first when negative, no line
// end.
std::string numberText(int value);

// The item file's content: entries 1..qt_tot, then the lines kept past the
// hundredth, each followed by '\n'.
std::string itemsText(const Game& g);

}  // namespace vm
