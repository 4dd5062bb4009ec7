// The first picture of a run: map, player and status panel as a real
// terminal shows them, for an empty archive and for archives that hold
// values, and what a run that ends at once leaves in the archive.

#include <map>
#include <optional>
#include <set>

#include "PlayTest.h"

namespace vm::test {
namespace {

using FirstScreen = PlayTest;

TEST_F(FirstScreen, EmptyArchiveShowsTheStartMapThePlayerAndTheInitialPanel) {
  EmulatedScreen s = play("");
  for (int r = 0; r < 37; ++r) {
    std::string panel = r >= 1 && r <= 10 ? kFreshPanel[static_cast<size_t>(r)] : "";
    std::string expected = startRow(r, panel, r == 1 ? 20 : -1);
    // The talent box (rows 11 to 15, left of column 19) shows a talent drawn
    // from the clock on a first start.
    if (r >= 11 && r <= 15)
      EXPECT_EQ(trimRight(s.text(19, r, 103)), expected.substr(19)) << "row " << r;
    else
      EXPECT_EQ(s.rowText(r), expected) << "row " << r;
  }
  for (int r = 37; r < 61; ++r) EXPECT_EQ(s.rowText(r), "") << "row " << r;
}

TEST_F(FirstScreen, EverythingIsGreyOnBlackButTheNameSuffixInBlue) {
  EmulatedScreen s = play("");
  for (int r = 0; r < 37; ++r) {
    std::string fg = foregroundRow(s, r);
    std::string expectedFg;
    std::string expectedBg;
    for (int c = 0; c < 122; ++c) {
      const bool shown = fg[static_cast<size_t>(c)] != '.';
      // "-[蓝名]" fills columns 2 to 8 of row 1, right behind the grey "| ".
      const bool suffix = r == 1 && c >= 2 && c <= 8;
      expectedFg += !shown ? '.' : suffix ? '4' : '7';
      expectedBg += !shown ? '.' : '0';
    }
    EXPECT_EQ(fg, expectedFg) << "row " << r;
    EXPECT_EQ(backgroundRow(s, r), expectedBg) << "row " << r;
  }
  EXPECT_EQ(s.text(0, 1, 2), "| ");
  EXPECT_EQ(s.at(0, 1).fg, kGrey);
  EXPECT_EQ(s.text(2, 1, 7), "-[蓝名]");
}

TEST_F(FirstScreen, HiddenDeathWallsAreBlankAndTheShopPricesKeepTheirZeros) {
  EmulatedScreen s = play("");
  // Row 29 holds death walls "0000" from column 86; "B:10" of row 10 loses
  // its 0 as well.
  EXPECT_EQ(s.text(84, 29, 8), "#       ");
  EXPECT_EQ(s.text(86, 10, 4), "B:1 ");
  EXPECT_EQ(s.text(103, 25, 6), "-300￥");
  EXPECT_EQ(s.text(103, 26, 6), "-200￥");
  EXPECT_EQ(s.text(103, 27, 6), "-100￥");
}

TEST_F(FirstScreen, PanelShowsEveryLoadedValueBehindItsLabel) {
  archive.write("tf", "3");
  archive.write("HP", "-5");
  archive.write("ATK", "2147483647");
  archive.write("DEF", "0");
  archive.write("FirstKey", "3");
  archive.write("SecondKey", "12");
  archive.write("ThirdKey", "1");
  archive.write("Weapons", "4");
  archive.write("Armor", "10");
  archive.write("GOLD", "99999");
  EmulatedScreen s = play("");
  const std::vector<std::string> expected = {
      "",
      "| -[蓝名]         |",
      "| HP:-5           |",
      "| ATK:2147483647  |",
      "| DEF:0           |",
      "| 1号钥匙:3       |",
      "| 2号钥匙:12      |",
      "| 3号钥匙:1       |",
      "| 武器:4个        |",
      "| 防具:10个       |",
      "| 金钱:99999      |",
  };
  for (int r = 1; r <= 10; ++r) EXPECT_EQ(s.text(0, r, 19), expected[static_cast<size_t>(r)]) << "row " << r;
}

struct NameCase {
  const char* label;
  std::string name;  // bytes of the name file; empty: no file
  const char* ks;    // content of the ks file; nullptr: no file
  const char* row1;  // columns 0 to 18 of row 1
  int nameColour;    // colour of the name and suffix; -1: nothing drawn
  int nameCells;     // cells from column 2 that take that colour
};
// Shown as its label in test names and failure messages.
void PrintTo(const NameCase& c, std::ostream* os) { *os << c.label; }

class NameLine : public PlayTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(NameLine, ShowsNameAndSuffixInTheColourOfKs) {
  const NameCase& t = GetParam();
  archive.write("tf", "3");
  if (!t.name.empty()) archive.write("name", t.name);
  if (t.ks) archive.write("ks", t.ks);
  EmulatedScreen s = play("");
  EXPECT_EQ(s.text(0, 1, 19), t.row1);
  EXPECT_EQ(s.at(0, 1).fg, kGrey);
  for (int c = 2; c < 2 + t.nameCells; ++c) {
    if (s.at(c, 1).width == 0) continue;
    EXPECT_EQ(s.at(c, 1).fg, t.nameColour) << "column " << c;
  }
  // The colour goes back to grey behind the suffix: the map keeps its own.
  EXPECT_EQ(s.at(19, 1).fg, kGrey);
  EXPECT_EQ(s.rowText(2).substr(0, 9), "| HP:145 ");
}

INSTANTIATE_TEST_SUITE_P(Ks, NameLine,
                         ::testing::Values(NameCase{"NoFilesBlue", "", nullptr, "| -[蓝名]         |", kBlue, 7},
                                           NameCase{"Ks0Blue", kHeroNameGbk, "0", "| 勇者-[蓝名]     |", kBlue, 11},
                                           NameCase{"KsMinus1Red", kHeroNameGbk, "-1", "| 勇者-[红名]     |", kRed, 11},
                                           NameCase{"Ks1Purple", kHeroNameGbk, "1", "| 勇者-[紫名]     |", kPurple, 11},
                                           NameCase{"Ks2NoName", kHeroNameGbk, "2", "|                 |", -1, 0},
                                           NameCase{"TwoWordsFirstOnly", kHeroNameGbk + " " + kHeroNameGbk, "0",
                                                    "| 勇者-[蓝名]     |", kBlue, 11},
                                           // An escape sequence in the name file reaches the
                                           // terminal as text, not as a command that clears it.
                                           NameCase{"ControlBytesShownAsQuestionMarks", "\x1b[2J", "0",
                                                    "| ?[2J-[蓝名]     |", kBlue, 11}),
                         [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.label); });

struct PositionCase {
  const char* label;
  const char* x;
  const char* y;
  int col;
  int row;
};
void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.label; }

class SavedPosition : public PlayTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(SavedPosition, PutsThePlayerThere) {
  const PositionCase& t = GetParam();
  archive.write("tf", "3");
  archive.write("X", t.x);
  archive.write("Y", t.y);
  EmulatedScreen s = play("");
  EXPECT_EQ(s.at(t.col, t.row).ch, "&");
  int players = 0;
  for (int r = 0; r < 37; ++r)
    for (int c = 0; c < 122; ++c)
      if (s.at(c, r).ch == "&") ++players;
  // The map paints one "&" of its own, in the key help at row 3.
  EXPECT_EQ(players, 2);
  EXPECT_EQ(s.at(106, 3).ch, "&");
}

INSTANTIATE_TEST_SUITE_P(Archive, SavedPosition,
                         ::testing::Values(PositionCase{"InTheMaze", "5", "30", 30, 5},
                                           PositionCase{"LastRowAndColumn", "36", "118", 118, 36},
                                           PositionCase{"RowBelowTheGridStartCell", "37", "30", 20, 1},
                                           PositionCase{"NegativeColumnStartCell", "5", "-1", 20, 1},
                                           PositionCase{"ColumnPastTheMapStartCell", "5", "119", 20, 1}),
                         [](const ::testing::TestParamInfo<PositionCase>& info) {
                           return std::string(info.param.label);
                         });

using InputEnd = PlayTest;

TEST_F(InputEnd, WhileWaitingForAKeyEndsTheGameAndSavesNothing) {
  seedGameInProgress();
  const std::map<std::string, std::string> before = archive.files();
  // Keys that no rule uses, then the end of input.
  EmulatedScreen s = play("qx7");
  EXPECT_EQ(archive.files(), before);
  EXPECT_EQ(s.at(21, 3).ch, "&");
}

TEST_F(InputEnd, OnAFirstStartLeavesAtMostTheDrawnTalent) {
  play("");
  std::map<std::string, std::string> files = archive.files();
  files.erase("system_tf.wxov");
  EXPECT_EQ(files, (std::map<std::string, std::string>{}));
  if (std::optional<std::string> tf = archive.read("tf")) {
    EXPECT_TRUE(std::set<std::string>({"0", "1", "2", "3", "4"}).count(*tf)) << *tf;
  }
}

TEST_F(InputEnd, LeavesTheGameScreenOnTheMainScreenWithoutQueryingTheTerminal) {
  seedGameInProgress();
  EmulatedScreen s = play("");
  // A recorded run replayed whole shows the game, not an emptied screen.
  EXPECT_FALSE(s.alternateBuffer);
  EXPECT_EQ(s.rowText(0), startRow(0));
  // Output to a file asks the terminal nothing (cursor or size reports).
  EXPECT_EQ(last.out.find("\x1b[6n"), std::string::npos);
  EXPECT_EQ(last.out.find("\x1b[18t"), std::string::npos);
}

}  // namespace
}  // namespace vm::test
