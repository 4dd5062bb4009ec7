#include <gtest/gtest.h>

#include <limits>

#include "main/GameLoop.h"
#include "rules/Talents.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

class PoisonTest : public GameFixture {
 protected:
  PoisonTest() { g.tf = 2; }
};

struct TickCase {
  int ticks;
  int HP;
  int ATK;
  int DEF;
};

// The bonus comes with the 1st, 11th, 21st... tick of a run.
TEST_F(PoisonTest, TicksCostAHitPointAndEveryTenthBringsTheBonus) {
  const TickCase cases[] = {
      {1, 99, 11, 11}, {2, 98, 11, 11}, {10, 90, 11, 11}, {11, 89, 12, 12}, {12, 88, 12, 12}, {21, 79, 13, 13},
  };
  for (const TickCase& tc : cases) {
    Game fresh;
    fresh.tf = 2;
    Context c{fresh, con, archive, [] { return 0u; }};
    for (int i = 0; i < tc.ticks; ++i) tfsc(c);
    EXPECT_EQ(fresh.zd, tc.ticks);
    EXPECT_EQ(fresh.HP, tc.HP) << tc.ticks << " ticks";
    EXPECT_EQ(fresh.ATK, tc.ATK) << tc.ticks << " ticks";
    EXPECT_EQ(fresh.DEF, tc.DEF) << tc.ticks << " ticks";
    EXPECT_EQ(fresh.GAMEOVER, '2');
  }
}

TEST_F(PoisonTest, TickRecordsPoisonAsTheCauseEvenWhenHarmless) {
  g.GAMEOVER = 'a';
  g.HP = 5000;
  tfsc(ctx);
  EXPECT_EQ(g.GAMEOVER, '2');
}

TEST_F(PoisonTest, TickDoesNotRedrawThePanel) {
  con.Cout(0, 2, "| HP:100          |");
  tfsc(ctx);
  EXPECT_EQ(text(0, 2, 19), "| HP:100          |");
}

TEST_F(PoisonTest, ValuesAtTheirBoundsStayThere) {
  g.HP = std::numeric_limits<int>::min();
  g.ATK = std::numeric_limits<int>::max();
  g.DEF = std::numeric_limits<int>::max();
  tfsc(ctx);
  EXPECT_EQ(g.HP, std::numeric_limits<int>::min());
  EXPECT_EQ(g.ATK, std::numeric_limits<int>::max());
  EXPECT_EQ(g.DEF, std::numeric_limits<int>::max());

  g.HP = 100;
  g.zd = std::numeric_limits<int>::max();
  tfsc(ctx);
  EXPECT_EQ(g.zd, std::numeric_limits<int>::max());
  EXPECT_EQ(g.HP, 99);
}

// The last hit point lost to poison ends the game at the next turn end,
// with the poison's message.
TEST_F(PoisonTest, LastHitPointEndsTheGameWithThePoisonMessage) {
  con.feed("x");
  startUp(ctx);
  g.HP = 1;
  EXPECT_EQ(mainLoop(ctx), Ending::GameOver);
  EXPECT_EQ(g.HP, 0);
  EXPECT_EQ(text(80, 35, 33), "你被 自己的天赋——中毒 杀死了 ！");
}

struct LoopCase {
  const char* what;
  std::string script;
  int ticks;
};

// One tick per talent box draw: each pass of the main loop (the first one,
// and one after every key a rule took) and each full redraw; keys that no
// rule takes bring none.
TEST_F(PoisonTest, TicksFollowBoxDrawsNotKeys) {
  const LoopCase cases[] = {
      {"first pass only", "", 1},
      {"unknown key", "x", 1},
      {"arrow into a wall", kUp, 1},
      {"key A", "a", 1},
      {"step onto a blank cell", kRight, 2},
      {"two steps", kRight + kRight, 3},
      {"help opened and closed", "bb", 2},
      {"inventory opened and closed", "mm", 2},
      {"author editor with a wrong password", "pwrong\n\n", 2},
      {"blocked and unknown keys between steps", kRight + "x" + kUp + "a" + kRight, 3},
  };
  for (const LoopCase& lc : cases) {
    TempDir d;
    Game fresh;
    fresh.tf = 2;
    MemoryConsole mc(lc.script);
    Archive a(d.path());
    Context c{fresh, mc, a, [] { return 0u; }};
    EXPECT_EQ(runGame(c), Ending::InputEnded) << lc.what;
    EXPECT_EQ(fresh.zd, lc.ticks) << lc.what;
    EXPECT_EQ(fresh.HP, 145 - lc.ticks) << lc.what;
  }
}

}  // namespace
}  // namespace vm::test
