#include <gtest/gtest.h>

#include "console/Gbk.h"
#include "game/WorldMap.h"
#include "screens/HelpScreen.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

class HelpScreenTest : public GameFixture {
 protected:
  void SetUp() override { mapPrint(g, con); }

  static std::string boxed(const std::string& utf8Text) {
    return "|" + utf8Text + std::string(118 - gbk(utf8Text).size(), ' ') + "|";
  }
};

// What the player reads, row by row, inside the box.
const char* const kExpectedRows[] = {
    "游戏介绍:",
    "这可不仅仅是个迷宫，更是一个闯关和坑爹游戏，里面有很多陷阱、道具、怪物（虽然全部用了符号表示）等着你，你要利用你的"
    "智商",
    "（连250都不如的249）杀出去，杀出这个鬼地方，活下来。",
    "------------------------------------------------------------------------------------------------------------------"
    "----",
    "游戏说明:",
    "   a b c d e A B C D E 表示怪物。(注意:怪物也可能是隐藏的,你看不见,要小心别被阴)",
    "   U V W 分别表示铁剑、金剑、圣剑。",
    "   X Y Z 分别表示铁盾、金盾、圣盾。",
    "   1 2 3是钥匙，！@ % 表示对应的门。",
    "   HP 是血量，当血量为零时，游戏结束。",
    "   ATK 是攻击力，攻击力越高，对怪物的伤害越高。",
    "   DEF 是防御力，防御力越高，受到的伤害越少。",
    "   * 是攻击宝石，能加2点攻击力。",
    "   ] 是防御宝石，能加2点防御力。",
    "   + 是血瓶，能加200点血量。",
    "   | = 是特殊门，只能在特定的情况下打开。",
    "   ) ( 是单向门，只能从开着的一侧走到闭着的一侧。",
    "   ?是机关，有好的也有坏的，可能能开启特殊门，也有可能飞到神秘地点，还有可能直接GAMEOVER，甚至......",
    "------------------------------------------------------------------------------------------------------------------"
    "----",
    "各怪物战斗力:",
    "  a: HP=30, ATK=15, DEF=4, GOLD=1;",
    "  b: HP=56, ATK=24, DEF=7, GOLD=2;",
    "  c: HP=500, ATK=25, DEF=15, GOLD=6;",
    "  d: HP=160, ATK=97, DEF=16, GOLD=8;",
    "  e: HP=600, ATK=999, DEF=70, GOLD=100;",
    "  A: HP=70, ATK=22, DEF=8, GOLD=3;",
    "  B: HP=48, ATK=181, DEF=0, GOLD=5;",
    "  C: HP=30, ATK=999, DEF=0, GOLD=8;",
    "  D: HP=300, ATK=666, DEF=50, GOLD=100;",
    "  E: HP=900, ATK=1000, DEF=100, GOLD=300;",
};

TEST_F(HelpScreenTest, TheBoxHoldsTheTextAndTheMonsterValues) {
  showHelp(ctx);
  EXPECT_EQ(row(0), std::string(120, '-'));
  for (int r = 1; r <= 30; ++r) EXPECT_EQ(row(r), boxed(kExpectedRows[r - 1])) << "row " << r;
  EXPECT_EQ(row(31), std::string(120, '-'));
  // The map rows below the box disappear.
  for (int r = 32; r <= 37; ++r) EXPECT_EQ(row(r), "") << "row " << r;
}

TEST_F(HelpScreenTest, OpeningChangesNoGameValue) {
  const Game before = g;
  showHelp(ctx);
  EXPECT_TRUE(g.Map == before.Map);
  EXPECT_EQ(g.x, before.x);
  EXPECT_EQ(g.y, before.y);
  EXPECT_EQ(g.HP, before.HP);
}

}  // namespace
}  // namespace vm::test
