// Hit points at 0 or below: the first key ends the game on the game-over
// screen, and the process ends after the exit pause.

#include <map>
#include <string>

#include "PlayTest.h"

namespace vm::test {
namespace {

// The field of green blocks with "GAMEOVER" in light red at column 56, row
// 21, and nothing else: a run that set no cause code shows no message.
void expectGameOverWithoutMessage(const EmulatedScreen& s) {
  for (int r = 0; r < 43; ++r) {
    // One character per cell: the block or letter, and "." for the second
    // cell of a block (blank, or the tail of a block that the terminal drew
    // two cells wide).
    std::string cells, expectedCells, expectedFg, expectedBg;
    for (int c = 0; c < 122; ++c) {
      const EmulatedCell& cell = s.at(c, r);
      const bool inWord = r == 21 && c >= 56 && c < 64;
      if (inWord || c % 2 == 0) {
        cells += cell.ch.empty() ? " " : cell.ch;
        expectedCells += inWord ? std::string(1, "GAMEOVER"[c - 56]) : "■";
        expectedFg += inWord ? '9' : '2';
        expectedBg += '0';
      } else {
        cells += cell.ch.empty() || cell.ch == " " || cell.width == 0 ? "." : cell.ch;
        expectedCells += '.';
        expectedFg += '.';
        expectedBg += '.';
      }
    }
    EXPECT_EQ(cells, expectedCells) << "row " << r;
    EXPECT_EQ(foregroundRow(s, r), expectedFg) << "row " << r;
    EXPECT_EQ(backgroundRow(s, r), expectedBg) << "row " << r;
  }
  for (int r = 43; r < 61; ++r) EXPECT_EQ(s.rowText(r), "") << "row " << r;
}

struct HitPointsCase {
  const char* label;
  const char* hp;
  bool ends;
};
// Shown as its label in test names and failure messages.
void PrintTo(const HitPointsCase& c, std::ostream* os) { *os << c.label; }

class HitPointsAtFirstKey : public PlayTest, public ::testing::WithParamInterface<HitPointsCase> {};

TEST_P(HitPointsAtFirstKey, EndTheGameAtZeroOrBelow) {
  const HitPointsCase& t = GetParam();
  seedGameInProgress();
  archive.write("HP", t.hp);
  const std::map<std::string, std::string> before = archive.files();
  EmulatedScreen s = play("q");
  if (t.ends) {
    expectGameOverWithoutMessage(s);
  } else {
    EXPECT_EQ(s.text(0, 2, 19), std::string("| HP:") + t.hp + "            |");
    EXPECT_EQ(s.at(21, 3).ch, "&");
  }
  EXPECT_EQ(archive.files(), before);  // the game-over screen saves nothing
}

INSTANTIATE_TEST_SUITE_P(Archive, HitPointsAtFirstKey,
                         ::testing::Values(HitPointsCase{"Zero", "0", true}, HitPointsCase{"Negative", "-7", true},
                                           HitPointsCase{"One", "1", false}),
                         [](const ::testing::TestParamInfo<HitPointsCase>& info) {
                           return std::string(info.param.label);
                         });

using GameOver = PlayTest;

TEST_F(GameOver, WaitsForAKeyBeforeItIsShown) {
  seedGameInProgress();
  archive.write("HP", "0");
  EmulatedScreen s = play("");
  EXPECT_EQ(s.text(0, 2, 19), "| HP:0            |");
  EXPECT_EQ(s.at(21, 3).ch, "&");
}

TEST_F(GameOver, EndsTheProcessAfterTheExitPause) {
  seedGameInProgress();
  archive.write("HP", "0");
  const std::map<std::string, std::string> before = archive.files();
  // The pause takes the line end; what follows would open the reset dialog
  // and confirm it if the game read on.
  EmulatedScreen s = play("q\nz1\n");
  expectGameOverWithoutMessage(s);
  EXPECT_EQ(archive.files(), before);
}

}  // namespace
}  // namespace vm::test
