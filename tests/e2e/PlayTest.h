#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/Emulator.h"
#include "support/GameRunner.h"

namespace vm::test {

// GBK bytes of the name "勇者" as an archive holds it.
inline const std::string kHeroNameGbk = "\xD3\xC2\xD5\xDF";

// Palette indexes a terminal reports for the game's colours.
inline constexpr int kGrey = 7;      // colour 7, SGR 37
inline constexpr int kBlue = 4;      // colour 1, SGR 34
inline constexpr int kRed = 1;       // colour 4, SGR 31
inline constexpr int kPurple = 5;    // colour 5, SGR 35
inline constexpr int kGreen = 2;     // colour 2, SGR 32
inline constexpr int kLightRed = 9;  // colour 12, SGR 91
inline constexpr int kBlack = 0;     // colour 0, SGR 40

// Cells a UTF-8 text of the game fills: every non-ASCII character is a
// double-byte one in the game's encoding and fills two.
int cellsOf(std::string_view utf8);
std::string trimRight(std::string s);

// A screen row of the start-up picture: the printed map of `row`, with
// `panel` (19 cells, UTF-8) in place of its first 19 cells when given, and
// "&" at column `playerCol` when that is not -1. Trailing blanks removed.
std::string startRow(int row, std::string_view panel = {}, int playerCol = -1);

// The colours of a screen row, one character per cell, so that a wrong
// picture fails as a few readable rows rather than a line per cell: the
// palette index in hex ("-" the terminal's default, "?" anything else), or
// "." for a cell that shows no character (blank, empty, second half).
std::string foregroundRow(const EmulatedScreen& s, int row);
std::string backgroundRow(const EmulatedScreen& s, int row);

// The panel rows 1 to 10 of a game on its initial values (19 cells each,
// ending in the frame's bar); index 0 unused.
extern const std::vector<std::string> kFreshPanel;

// One game per test, on its own temporary archive.
class PlayTest : public ::testing::Test {
 protected:
  // Runs the game on the test's archive with `input` on standard input and
  // expects it to end cleanly (status 0, nothing on standard error, which is
  // also where a sanitizer would report); returns what a 122 x 61 terminal
  // shows after its whole output.
  EmulatedScreen play(std::string_view input, const std::vector<std::pair<std::string, std::string>>& env = {});
  // The same with a command line of the caller's (no --archive added).
  EmulatedScreen playWith(std::string_view input, const std::vector<std::string>& args,
                          const std::vector<std::pair<std::string, std::string>>& env = {});

  // Writes every file the game reads, and gk, with values of a game in
  // progress (talent 3: no talent draw, no random picture).
  void seedGameInProgress() const;

  // Expects rows 0 to 36 of `s`, cell text and colour, to be those of `ref`
  // (two pictures of the same game).
  static void expectSameMapScreen(const EmulatedScreen& s, const EmulatedScreen& ref);

  TempArchive archive;
  RunResult last{};
};

// The files of a game in progress, as seedGameInProgress writes them.
extern const std::vector<std::pair<std::string, std::string>> kGameInProgress;

}  // namespace vm::test
