#include <gtest/gtest.h>

#include "screens/StatusPanel.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

using StatusPanelTest = GameFixture;

TEST_F(StatusPanelTest, FreshGameShowsEveryRowOverItsTemplate) {
  g.HP = 145;
  drawStatusPanel(g, con);
  EXPECT_EQ(row(1), "| -[蓝名]");
  EXPECT_EQ(row(2), "| HP:145          |");
  EXPECT_EQ(row(3), "| ATK:10          |");
  EXPECT_EQ(row(4), "| DEF:10          |");
  EXPECT_EQ(row(5), "| 1号钥匙:0       |");
  EXPECT_EQ(row(6), "| 2号钥匙:0       |");
  EXPECT_EQ(row(7), "| 3号钥匙:0       |");
  EXPECT_EQ(row(8), "| 武器:0个");
  EXPECT_EQ(row(9), "| 防具:0个");
  EXPECT_EQ(row(10), "| 金钱:0          |");
}

struct NameCase {
  int ks;
  const char* shown;
  int colour;  // of the suffix; -1: no name shown
};

TEST_F(StatusPanelTest, NameColourAndSuffixFollowKs) {
  const NameCase cases[] = {
      {-1, "| 勇者-[红名]", 4}, {0, "| 勇者-[蓝名]", 1}, {1, "| 勇者-[紫名]", 5}, {2, "|", -1}, {-2, "|", -1},
  };
  for (const NameCase& c : cases) {
    MemoryConsole screen;
    g.name = gbk("勇者");
    g.ks = c.ks;
    drawStatusPanel(g, screen);
    EXPECT_EQ(screen.screen().rowText(1), c.shown) << c.ks;
    EXPECT_EQ(screen.screen().cell(0, 1).fg, 7);
    if (c.colour >= 0) {
      EXPECT_EQ(screen.screen().cell(2, 1).fg, c.colour) << c.ks;
      EXPECT_EQ(screen.screen().cell(7, 1).fg, c.colour) << c.ks;
    }
    // Light grey again for everything after the name.
    EXPECT_EQ(screen.screen().fg(), 7);
    EXPECT_EQ(screen.screen().cell(0, 2).fg, 7);
  }
}

TEST_F(StatusPanelTest, LongNamePushesTheSuffixPastTheFrame) {
  con.Cout(0, 1, "|                 |   map");
  g.name = "abcdefghijkl";
  drawStatusPanel(g, con);
  EXPECT_EQ(row(1), utf8("| abcdefghijkl" + gbk("-[蓝名]")) + " map");
}

TEST_F(StatusPanelTest, CountsWithoutTemplateLeaveOldCellsBehindAShorterNumber) {
  g.Weapons = 100;
  g.Armor = 10;
  drawStatusPanel(g, con);
  g.Weapons = 5;
  g.Armor = 5;
  drawStatusPanel(g, con);
  EXPECT_EQ(row(8), "| 武器:5个个");
  // Half of the old "个" was overwritten: its other half shows blank.
  EXPECT_EQ(row(9), "| 防具:5个");
  EXPECT_EQ(con.screen().cell(10, 9).byte, ' ');
}

TEST_F(StatusPanelTest, TemplatedRowsClearOldDigits) {
  g.GOLD = 123456;
  drawStatusPanel(g, con);
  g.GOLD = 7;
  drawStatusPanel(g, con);
  EXPECT_EQ(row(10), "| 金钱:7          |");
}

TEST_F(StatusPanelTest, NegativeValuesShowTheirSign) {
  g.HP = -10;
  drawStatusPanel(g, con);
  EXPECT_EQ(row(2), "| HP:-10          |");
}

}  // namespace
}  // namespace vm::test
