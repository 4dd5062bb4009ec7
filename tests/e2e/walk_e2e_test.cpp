// Walking, fighting and carrying on the real binary: a route from the start
// cell through keys, a door, a gem and a fight, with the panel read off the
// terminal; the help and inventory screens as a terminal shows them.

#include <string>

#include "PlayTest.h"

namespace vm::test {
namespace {

const std::string kUp = "\x1b[A";
const std::string kDown = "\x1b[B";
const std::string kRight = "\x1b[C";
const std::string kLeft = "\x1b[D";

std::string times(int n, const std::string& keyBytes) {
  std::string s;
  for (int i = 0; i < n; ++i) s += keyBytes;
  return s;
}

// From the start cell (row 1, column 20): the key "1" at column 24, the door
// "!" at column 28, down and back west along row 3, down to row 5 for the
// keys "1", "1", "2", east to column 43, up for the defence gem at row 3,
// column 44, and down into the monster "A" at row 5, column 46.
const std::string kRoute = times(4, kRight) + times(4, kRight) + kRight + times(2, kDown) + times(9, kLeft) +
                           times(2, kDown) + times(9, kRight) + times(14, kRight) + times(2, kUp) + kRight + kRight +
                           times(2, kDown) + kRight;

bool blank(const EmulatedCell& c) { return c.ch.empty() || c.ch == " "; }

// Rows 0 to 36 read the same and every visible character has the same
// colours. A blank shows only its background: the terminal may hold it as
// an erased cell or as a written blank, whichever its renderer chose.
void expectSamePicture(const EmulatedScreen& s, const EmulatedScreen& ref) {
  for (int r = 0; r < 37; ++r) {
    EXPECT_EQ(s.rowText(r), ref.rowText(r)) << "row " << r;
    for (int c = 0; c < s.cols; ++c) {
      const EmulatedCell& a = s.at(c, r);
      const EmulatedCell& b = ref.at(c, r);
      EXPECT_EQ(a.bg, b.bg) << "column " << c << ", row " << r;
      if (!blank(a) || !blank(b)) {
        EXPECT_EQ(a.fg, b.fg) << "column " << c << ", row " << r;
      }
    }
  }
}

class Walk : public PlayTest {
 protected:
  // No talent: nothing random, no poison tick between the turns.
  void SetUp() override { archive.write("tf", "3"); }
};

TEST_F(Walk, ARouteTakesKeysOpensADoorAndFightsAMonster) {
  EmulatedScreen s = play(kRoute);
  // A (70, 22) against 10 attack and 12 defence: 7 strikes of 22 against
  // the 145 hit points of a fresh start, plus the defence once.
  EXPECT_EQ(s.text(0, 1, 19), "| -[蓝名]         |");
  EXPECT_EQ(s.text(0, 2, 19), "| HP:3            |");
  EXPECT_EQ(s.text(0, 3, 19), "| ATK:10          |");
  EXPECT_EQ(s.text(0, 4, 19), "| DEF:12          |");
  EXPECT_EQ(s.text(0, 5, 19), "| 1号钥匙:2       |");
  EXPECT_EQ(s.text(0, 6, 19), "| 2号钥匙:1       |");
  EXPECT_EQ(s.text(0, 7, 19), "| 3号钥匙:0       |");
  EXPECT_EQ(s.text(0, 8, 19), "| 武器:0个        |");
  EXPECT_EQ(s.text(0, 9, 19), "| 防具:0个        |");
  EXPECT_EQ(s.text(0, 10, 19), "| 金钱:3          |");
  // Every cell taken on the way is floor now; the player stands where the
  // monster was.
  EXPECT_EQ(s.text(19, 1, 31), "#           ?# +   + |CCC#     ");
  EXPECT_EQ(s.text(19, 2, 31), "##########   #   X   |aaa######");
  EXPECT_EQ(s.text(19, 3, 31), "#            # +   + #     # + ");
  EXPECT_EQ(s.text(19, 4, 31), "#   ##################   # # #*");
  EXPECT_EQ(s.text(19, 5, 31), "#                        # & # ");
}

struct DoorCase {
  const char* firstKeys;  // archive value; nullptr: no file
  int playerCol;          // after Right from column 27
  const char* keysShown;
  const char* cells;  // columns 27 to 29 of row 1
};

TEST_F(Walk, TheDoorOfRowOneOpensOnlyWithItsKey) {
  const DoorCase cases[] = {
      {nullptr, 27, "| 1号钥匙:0       |", "&! "},
      {"2", 28, "| 1号钥匙:1       |", " & "},
  };
  for (const DoorCase& dc : cases) {
    SCOPED_TRACE(dc.firstKeys ? dc.firstKeys : "no key file");
    archive.write("tf", "3");
    archive.write("X", "1");
    archive.write("Y", "27");
    if (dc.firstKeys) archive.write("FirstKey", dc.firstKeys);
    // The wall above stops the player as well, and the turn without a rule
    // draws nothing.
    EmulatedScreen s = play(kUp + kRight);
    EXPECT_EQ(s.at(dc.playerCol, 1).ch, "&");
    EXPECT_EQ(s.text(0, 5, 19), dc.keysShown);
    EXPECT_EQ(s.text(27, 1, 3), dc.cells);
    EXPECT_EQ(s.text(27, 0, 3), "###");
  }
}

TEST_F(Walk, HelpOpensOverTheGameAndBGivesTheGameScreenBack) {
  EmulatedScreen walked = play(kRoute);
  EmulatedScreen help = play(kRoute + "b");
  EXPECT_EQ(help.rowText(0), std::string(120, '-'));
  EXPECT_EQ(help.rowText(1), "|游戏介绍:" + std::string(109, ' ') + "|");
  EXPECT_EQ(help.rowText(21), "|  a: HP=30, ATK=15, DEF=4, GOLD=1;" + std::string(84, ' ') + "|");
  EXPECT_EQ(help.rowText(30), "|  E: HP=900, ATK=1000, DEF=100, GOLD=300;" + std::string(77, ' ') + "|");
  // Every line fills the box exactly, Chinese text and full-width signs
  // included: the right bar stays in column 119.
  for (int r = 1; r <= 30; ++r) EXPECT_EQ(help.text(119, r, 1), "|") << "row " << r;
  EXPECT_EQ(help.rowText(31), std::string(120, '-'));
  for (int r = 32; r <= 37; ++r) EXPECT_EQ(help.rowText(r), "") << "row " << r;

  EmulatedScreen closed = play(kRoute + "bb");
  expectSamePicture(closed, walked);
}

TEST_F(Walk, InventoryShowsWhatTheArchiveSaysIsCarried) {
  seedGameInProgress();  // an iron sword, two holy swords, a gold shield, one other item
  EmulatedScreen s = play("m");
  EXPECT_EQ(s.rowText(1), "|" + std::string(54, ' ') + "***物品栏***" + std::string(52, ' ') + "|");
  EXPECT_EQ(trimRight(s.text(1, 2, 118)), "获得武器/防具：");
  EXPECT_EQ(trimRight(s.text(1, 3, 118)), " U [铁剑] ： ATK+10  DEF+1    拥有1个");
  EXPECT_EQ(trimRight(s.text(1, 4, 118)), " U [圣剑] ： ATK+100 DEF+10   拥有2个");
  EXPECT_EQ(trimRight(s.text(1, 5, 118)), " V [金盾] ： ATK+5  DEF+50    拥有1个");
  EXPECT_EQ(trimRight(s.text(1, 6, 118)), "其他物品：");
  EXPECT_EQ(trimRight(s.text(1, 7, 118)), "钥匙");
  EXPECT_EQ(trimRight(s.text(1, 8, 118)), "");
  EXPECT_EQ(s.text(119, 7, 1), "|");
}

}  // namespace
}  // namespace vm::test
