// The door switch, the trade cell, the rebirth teleports and the toll trap.

#include <gtest/gtest.h>

#include "events_fixture.h"
#include "main/SharedOps.h"

namespace vm::test {
namespace {

using MiddleBandEvents = EventsTest;

TEST_F(MiddleBandEvents, DoorSwitchOpensTheSpecialDoorOnScreenAndInTheMap) {
  con.Cout(0, 20, gbk("#!######=#######"));
  ASSERT_TRUE(pressFrom({19, 23}, key::Right));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{19, 24}));
  EXPECT_EQ(cell(19, 24), ' ');
  EXPECT_EQ(cell(20, 8), ' ');
  EXPECT_EQ(text(7, 20, 3), "# #");
  EXPECT_EQ(text(23, 19, 2), " &");
  // The way from row 19 down into the room of rows 21 to 23 is open.
  placeAt({19, 8});
  ASSERT_TRUE(press(key::Down));
  ASSERT_TRUE(press(key::Down));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{21, 8}));
}

struct TradeCase {
  int hp;
  int expectedHp;
  bool gameOver;
};

TEST_F(MiddleBandEvents, TradeCellSellsAttackAndDefenceForFiveHundredHitPoints) {
  const TradeCase cases[] = {{800, 300, false}, {500, 0, true}, {501, 1, false}};
  for (const TradeCase& c : cases) {
    Game fresh;
    Context fctx{fresh, con, archive, [] { return 0u; }};
    fresh.HP = c.hp;
    fresh.x = 35;
    fresh.y = 6;
    ASSERT_TRUE(runRuleChain(fctx, key::Right));
    EXPECT_EQ(fresh.HP, c.expectedHp);
    EXPECT_EQ(fresh.ATK, 20);
    EXPECT_EQ(fresh.DEF, 20);
    EXPECT_EQ(fresh.GAMEOVER, '?');
    EXPECT_EQ(fresh.Map[35][7], ' ');
    EXPECT_EQ(turnEnd(fctx), c.gameOver) << c.hp;
  }
}

TEST_F(MiddleBandEvents, TollTrapTakesAThousand) {
  const TradeCase cases[] = {{1000, 0, true}, {1001, 1, false}};
  for (const TradeCase& c : cases) {
    Game fresh;
    Context fctx{fresh, con, archive, [] { return 0u; }};
    fresh.HP = c.hp;
    fresh.x = 19;
    fresh.y = 35;
    ASSERT_TRUE(runRuleChain(fctx, key::Left));
    EXPECT_EQ(fresh.HP, c.expectedHp);
    EXPECT_EQ(fresh.GAMEOVER, '?');
    EXPECT_EQ((Cell{fresh.x, fresh.y}), (Cell{19, 34}));
    EXPECT_EQ(fresh.Map[19][34], ' ');
    EXPECT_EQ(turnEnd(fctx), c.gameOver) << c.hp;
  }
}

struct TeleportCase {
  const char* name;
  Cell from;
  int key;
  Cell mechanism;
  Cell target;
};

TEST_F(MiddleBandEvents, RebirthTeleportsKeepEveryValueAndLeaveTheTargetAlone) {
  const TeleportCase cases[] = {
      {"rebirth cell A", {33, 31}, key::Right, {33, 32}, {1, 20}},
      {"rebirth cell B", {35, 31}, key::Right, {35, 32}, {19, 30}},
      {"question-mark cell", {28, 32}, key::Down, {29, 32}, {18, 52}},
  };
  for (const TeleportCase& c : cases) {
    Game fresh;
    MemoryConsole screen;
    Context fctx{fresh, screen, archive, [] { return 0u; }};
    fresh.HP = 321;
    fresh.GOLD = 12;
    fresh.GAMEOVER = 'c';
    fresh.x = c.from.row;
    fresh.y = c.from.col;
    screen.Cout(c.from.col, c.from.row, "&");
    screen.Cout(c.mechanism.col, c.mechanism.row, "?");
    // A monster on the target is neither fought nor removed.
    fresh.Map[static_cast<size_t>(c.target.row)][static_cast<size_t>(c.target.col)] = 'a';
    ASSERT_TRUE(runRuleChain(fctx, c.key)) << c.name;
    EXPECT_EQ((Cell{fresh.x, fresh.y}), c.target) << c.name;
    EXPECT_EQ(screen.screen().cell(c.target.col, c.target.row).byte, '&') << c.name;
    EXPECT_EQ(screen.screen().cell(c.from.col, c.from.row).byte, ' ') << c.name;
    EXPECT_EQ(screen.screen().cell(c.mechanism.col, c.mechanism.row).byte, ' ') << c.name;
    EXPECT_EQ(fresh.Map[static_cast<size_t>(c.mechanism.row)][static_cast<size_t>(c.mechanism.col)], ' ');
    EXPECT_EQ(fresh.Map[static_cast<size_t>(c.target.row)][static_cast<size_t>(c.target.col)], 'a') << c.name;
    EXPECT_EQ(fresh.HP, 321);
    EXPECT_EQ(fresh.GOLD, 12);
    EXPECT_EQ(fresh.GAMEOVER, 'c');
  }
}

TEST_F(MiddleBandEvents, SpentRebirthCellIsAnOrdinaryStep) {
  ASSERT_TRUE(pressFrom({33, 31}, key::Right));
  ASSERT_EQ((Cell{g.x, g.y}), (Cell{1, 20}));
  ASSERT_TRUE(pressFrom({33, 31}, key::Right));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{33, 32}));
}

}  // namespace
}  // namespace vm::test
