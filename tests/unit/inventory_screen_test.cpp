#include <gtest/gtest.h>

#include <climits>

#include "console/Gbk.h"
#include "game/WorldMap.h"
#include "screens/InventoryScreen.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

// The inventory is drawn over a printed map, as in play.
class InventoryScreenTest : public GameFixture {
 protected:
  void SetUp() override { mapPrint(g, con); }

  // A box row as it reads on the screen: the bar, the text from column 1
  // filled with blanks to 118 cells, the bar.
  static std::string boxed(const std::string& utf8Text) {
    return "|" + utf8Text + std::string(118 - gbk(utf8Text).size(), ' ') + "|";
  }

  void fillList(int entries) {
    for (int i = 1; i <= entries; ++i) g.qt[static_cast<size_t>(i)] = gbk("药水") + std::to_string(i);
    g.qt_tot = entries;
  }

  void expectFrame() {
    EXPECT_EQ(row(0), std::string(120, '-'));
    EXPECT_EQ(row(31), std::string(120, '-'));
    for (int r = 32; r <= 37; ++r) EXPECT_EQ(row(r), "") << "row " << r;
  }
};

const std::string kTitle = std::string(54, ' ') + "***物品栏***";

TEST_F(InventoryScreenTest, NothingCarriedAndAnEmptyList) {
  wupin(ctx);
  expectFrame();
  EXPECT_EQ(row(1), boxed(kTitle));
  EXPECT_EQ(row(2), boxed("获得武器/防具："));
  EXPECT_EQ(row(3), boxed(" 无"));
  EXPECT_EQ(row(4), boxed("其他物品："));
  EXPECT_EQ(row(5), boxed(" 无"));
  // The map under the box is gone.
  for (int r = 6; r <= 30; ++r) EXPECT_EQ(row(r), boxed("")) << "row " << r;
}

TEST_F(InventoryScreenTest, OnlyAGoldShield) {
  g.jd = 1;
  wupin(ctx);
  EXPECT_EQ(row(3), boxed(" V [金盾] ： ATK+5  DEF+50    拥有1个"));
  EXPECT_EQ(row(4), boxed("其他物品："));
  EXPECT_EQ(row(5), boxed(" 无"));
  EXPECT_EQ(row(6), boxed(""));
}

TEST_F(InventoryScreenTest, TwoHolySwords) {
  g.sj = 2;
  wupin(ctx);
  EXPECT_EQ(row(3), boxed(" U [圣剑] ： ATK+100 DEF+10   拥有2个"));
  EXPECT_EQ(row(4), boxed("其他物品："));
}

TEST_F(InventoryScreenTest, AListOfFortyShowsWhatFitsUpToRow30) {
  fillList(40);
  wupin(ctx);
  expectFrame();
  EXPECT_EQ(row(3), boxed(" 无"));
  EXPECT_EQ(row(4), boxed("其他物品："));
  for (int i = 1; i <= 26; ++i) EXPECT_EQ(row(4 + i), boxed("药水" + std::to_string(i))) << "entry " << i;
}

TEST_F(InventoryScreenTest, AllSixKindsAndThirtyEntries) {
  g.tj = 1;
  g.jj = 2;
  g.sj = 3;
  g.td = 4;
  g.jd = 5;
  g.sd = 6;
  fillList(30);
  wupin(ctx);
  expectFrame();
  EXPECT_EQ(row(2), boxed("获得武器/防具："));
  EXPECT_EQ(row(3), boxed(" U [铁剑] ： ATK+10  DEF+1    拥有1个"));
  EXPECT_EQ(row(4), boxed(" V [金剑] ： ATK+50  DEF+5    拥有2个"));
  EXPECT_EQ(row(5), boxed(" U [圣剑] ： ATK+100 DEF+10   拥有3个"));
  EXPECT_EQ(row(6), boxed(" U [铁盾] ： ATK+1  DEF+10    拥有4个"));
  EXPECT_EQ(row(7), boxed(" V [金盾] ： ATK+5  DEF+50    拥有5个"));
  EXPECT_EQ(row(8), boxed(" U [圣盾] ： ATK+10 DEF+100   拥有6个"));
  EXPECT_EQ(row(9), boxed("其他物品："));
  for (int i = 1; i <= 21; ++i) EXPECT_EQ(row(9 + i), boxed("药水" + std::to_string(i))) << "entry " << i;
}

TEST_F(InventoryScreenTest, CountsAtTheTopOfTheRangeAreShownWhole) {
  g.tj = g.jj = g.sj = g.td = g.jd = g.sd = INT_MAX;
  wupin(ctx);
  EXPECT_EQ(row(3), boxed(" U [铁剑] ： ATK+10  DEF+1    拥有2147483647个"));
  EXPECT_EQ(row(8), boxed(" U [圣盾] ： ATK+10 DEF+100   拥有2147483647个"));
}

TEST_F(InventoryScreenTest, TheScreenChangesNoGameValue) {
  g.sj = 2;
  fillList(3);
  const Game before = g;
  wupin(ctx);
  EXPECT_TRUE(g.Map == before.Map);
  EXPECT_EQ(g.sj, 2);
  EXPECT_EQ(g.qt_tot, 3);
  EXPECT_EQ(g.jjjj, 0);  // the flag is the key handler's
}

}  // namespace
}  // namespace vm::test
