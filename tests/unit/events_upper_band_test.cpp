// The halving trap, the exchange cell and the key room.

#include <gtest/gtest.h>

#include <climits>

#include "events_fixture.h"
#include "game/WorldMap.h"
#include "main/SharedOps.h"

namespace vm::test {
namespace {

using UpperBandEvents = EventsTest;

TEST_F(UpperBandEvents, HalvingTrapHalvesThePanelValuesTowardZero) {
  g.HP = 100;
  g.ATK = 11;
  g.DEF = -3;
  g.GOLD = 7;
  g.FirstKey = 1;
  g.SecondKey = 2;
  g.ThirdKey = 5;
  g.Weapons = 3;
  g.Armor = -1;
  g.tj = 3;
  g.sd = 1;
  ASSERT_TRUE(pressFrom({1, 30}, key::Right));
  EXPECT_EQ(g.HP, 50);
  EXPECT_EQ(g.ATK, 5);
  EXPECT_EQ(g.DEF, -1);
  EXPECT_EQ(g.GOLD, 3);
  EXPECT_EQ(g.FirstKey, 0);
  EXPECT_EQ(g.SecondKey, 1);
  EXPECT_EQ(g.ThirdKey, 2);
  EXPECT_EQ(g.Weapons, 1);
  EXPECT_EQ(g.Armor, 0);
  // The fight bonuses stay whole.
  EXPECT_EQ(g.tj, 3);
  EXPECT_EQ(g.sd, 1);
  EXPECT_EQ(g.GAMEOVER, '?');
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{1, 31}));
  EXPECT_EQ(cell(1, 31), ' ');
  EXPECT_EQ(text(30, 1, 2), " &");
}

TEST_F(UpperBandEvents, HalvingTrapOnOneHitPointEndsTheGameWithTheMechanismCause) {
  g.HP = 1;
  ASSERT_TRUE(pressFrom({1, 30}, key::Right));
  EXPECT_EQ(g.HP, 0);
  EXPECT_TRUE(turnEnd(ctx));
  EXPECT_EQ(ctx.ending, Ending::GameOver);
  EXPECT_EQ(g.GAMEOVER, '?');
}

TEST_F(UpperBandEvents, HalvingTrapFiresOnceFromTheStartRow) {
  g.HP = 100;
  ASSERT_TRUE(pressFrom({1, 30}, key::Right));
  ASSERT_TRUE(press(key::Left));
  ASSERT_TRUE(press(key::Right));
  EXPECT_EQ(g.HP, 50);
}

struct ExchangeCase {
  int tf;
  int hp;
  int expectedHp;
};

TEST_F(UpperBandEvents, ExchangeCellTradesEverythingForTenfoldHitPoints) {
  const ExchangeCase cases[] = {
      {0, 100, 1000},
      {-1, 100, 1000},
      {2, 100, 70},  // poison first costs 93
      {2, 93, 0},
      {2, 50, -430},
      {1, 300000000, INT_MAX},  // tenfold beyond the range stops at its top
      {2, INT_MIN + 5, INT_MIN},
  };
  for (const ExchangeCase& c : cases) {
    Game fresh;
    Context fctx{fresh, con, archive, [] { return 0u; }};
    fresh.tf = c.tf;
    fresh.HP = c.hp;
    fresh.ATK = 20;
    fresh.DEF = 30;
    fresh.FirstKey = fresh.SecondKey = fresh.ThirdKey = 2;
    fresh.Weapons = fresh.Armor = 4;
    fresh.GOLD = 77;
    fresh.tj = 1;
    fresh.jd = 2;
    fresh.GAMEOVER = 'a';
    fresh.x = 1;
    fresh.y = 97;
    ASSERT_TRUE(runRuleChain(fctx, key::Right));
    EXPECT_EQ(fresh.HP, c.expectedHp) << "tf " << c.tf << " HP " << c.hp;
    EXPECT_EQ(fresh.ATK, 25);
    EXPECT_EQ(fresh.DEF, 35);
    for (int v : {fresh.FirstKey, fresh.SecondKey, fresh.ThirdKey, fresh.Weapons, fresh.Armor, fresh.GOLD}) {
      EXPECT_EQ(v, 0);
    }
    EXPECT_EQ(fresh.tj, 1);
    EXPECT_EQ(fresh.jd, 2);
    EXPECT_EQ(fresh.GAMEOVER, 'a') << "no cause code of its own";
    EXPECT_EQ(fresh.Map[1][98], ' ');
  }
}

TEST_F(UpperBandEvents, ExchangeCellOpensTheTopBorderAboveTheHalvingTrapUnseen) {
  ASSERT_TRUE(pressFrom({1, 97}, key::Right));
  for (int c = 31; c <= 33; ++c) EXPECT_EQ(cell(0, c), ' ') << c;
  EXPECT_EQ(cell(0, 30), '#');
  EXPECT_EQ(cell(0, 34), '#');
  // Around the wall of column 32 by the border row, then down into the trap.
  g.HP = 40;
  placeAt({1, 33});
  ASSERT_TRUE(press(key::Up));
  ASSERT_TRUE(press(key::Left));
  ASSERT_TRUE(press(key::Left));
  EXPECT_EQ(g.HP, 40);
  ASSERT_TRUE(press(key::Down));
  EXPECT_EQ(g.HP, 20);
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{1, 31}));
}

TEST_F(UpperBandEvents, ExchangeCellWithPoisonAndLittleHitPointsEndsWithTheCauseInForce) {
  g.tf = 2;
  g.HP = 90;
  g.GAMEOVER = 'b';
  ASSERT_TRUE(pressFrom({1, 97}, key::Right));
  EXPECT_EQ(g.HP, -30);
  EXPECT_TRUE(turnEnd(ctx));
  EXPECT_EQ(g.GAMEOVER, 'b');
}

class KeyRoom : public EventsTest {
 protected:
  void takeSwitch() {
    ASSERT_TRUE(pressFrom({10, 22}, key::Left));
    ASSERT_EQ(g.Wen1, 1);
  }
  void helpOpenAndClose() {
    dispatch(ctx, key::B);
    dispatch(ctx, key::B);
    ASSERT_EQ(g.jjj, 0);
  }
};

TEST_F(KeyRoom, SwitchDrawsThePatternOpensTheLowerDoorAndArmsTheRoom) {
  g.HP = 100;
  ASSERT_TRUE(pressFrom({10, 22}, key::Left));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{10, 21}));
  EXPECT_EQ(cell(10, 21), ' ');
  EXPECT_EQ(text(24, 7, 10), "1C1C1C1C1?");
  EXPECT_EQ(text(24, 8, 10), "C2C2C2C2C2");
  EXPECT_EQ(text(20, 9, 3), "   ");
  EXPECT_EQ(text(21, 10, 2), "& ");
  EXPECT_EQ(g.Wen1, 1);
  EXPECT_EQ(g.mmm, 0);
  EXPECT_EQ(g.HP, 100);
  for (int c = 20; c <= 22; ++c) EXPECT_EQ(cell(9, c), ' ');
  for (int c = 20; c <= 22; ++c) EXPECT_EQ(cell(7, c), '=');
  const std::string row7 = "1C1C1C1C1?";
  const std::string row8 = "C2C2C2C2C2";
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(cell(7, 24 + i), row7[static_cast<size_t>(i)]);
    EXPECT_EQ(cell(8, 24 + i), row8[static_cast<size_t>(i)]);
  }
}

TEST_F(KeyRoom, ExitOpensTheUpperDoorForGoodAndPaysFiveHundred) {
  takeSwitch();
  g.HP = 100;
  setCell(8, 33, ' ');  // the "2" below the exit already taken
  ASSERT_TRUE(pressFrom({8, 33}, key::Up));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{7, 33}));
  EXPECT_EQ(cell(7, 33), ' ');
  EXPECT_EQ(text(20, 7, 3), "   ");
  for (int c = 20; c <= 22; ++c) EXPECT_EQ(cell(7, c), ' ');
  EXPECT_EQ(g.Wen1, 0);
  EXPECT_EQ(g.mmm, 1);
  EXPECT_EQ(g.HP, 600);
  EXPECT_EQ(g.GAMEOVER, 0);
}

TEST_F(KeyRoom, ExitAlsoFiresFromTheWestAndOnlyOnce) {
  takeSwitch();
  g.HP = 100;
  setCell(7, 32, ' ');
  ASSERT_TRUE(pressFrom({7, 32}, key::Right));
  EXPECT_EQ(g.HP, 600);
  ASSERT_TRUE(press(key::Left));
  ASSERT_TRUE(press(key::Right));
  EXPECT_EQ(g.HP, 600);
}

TEST_F(KeyRoom, HelpRedrawRefillsTheRoomWhileArmedButNotAfterTheExit) {
  takeSwitch();
  // The first key of row 7 and the "2" below the exit taken...
  g.FirstKey = 1;
  setCell(7, 24, ' ');
  setCell(8, 33, ' ');
  helpOpenAndClose();
  // ...and the redraw brings it back, with the exit armed again.
  EXPECT_EQ(cell(7, 24), '1');
  EXPECT_EQ(cell(7, 33), '?');
  EXPECT_EQ(cell(8, 33), '2');
  EXPECT_EQ(text(24, 7, 10), "1C1C1C1C1?");

  setCell(8, 33, ' ');
  ASSERT_TRUE(pressFrom({8, 33}, key::Up));
  ASSERT_EQ(g.mmm, 1);
  setCell(7, 24, ' ');
  placeAt({10, 21});
  helpOpenAndClose();
  EXPECT_EQ(cell(7, 24), ' ');
  EXPECT_EQ(cell(7, 33), ' ');
  // The opened upper door shows as wall and stays open.
  EXPECT_EQ(text(20, 7, 3), "###");
  for (int c = 20; c <= 22; ++c) EXPECT_EQ(cell(7, c), ' ');
}

}  // namespace
}  // namespace vm::test
