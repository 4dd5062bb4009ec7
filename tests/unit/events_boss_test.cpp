// The boss switches, the opening rule, the boss gate and the column-34 cells.

#include <gtest/gtest.h>

#include <climits>

#include "events_fixture.h"
#include "game/WorldMap.h"
#include "main/SharedOps.h"

namespace vm::test {
namespace {

constexpr Cell kSwitchFloors[] = {{22, 39}, {22, 45}, {22, 75}, {22, 81}};

class BossEvents : public EventsTest {
 protected:
  void takeSwitches(int n) {
    for (int i = 0; i < n; ++i) ASSERT_TRUE(pressFrom(kSwitchFloors[i], key::Up));
  }
  // The opening rule fired by a blocked move: Up from the start cell into
  // the top border.
  void openBossDoor() {
    takeSwitches(4);
    ASSERT_TRUE(pressFrom({1, 20}, key::Up));
    ASSERT_EQ(g.bzcs, 1);
  }
};

TEST_F(BossEvents, EachSwitchGivesFifteenThousandAndCounts) {
  g.HP = 100;
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(pressFrom(kSwitchFloors[i], key::Up));
    EXPECT_EQ(g.bz, i + 1);
    EXPECT_EQ(g.HP, 100 + 15000 * (i + 1));
    EXPECT_EQ(cell(21, kSwitchFloors[i].col), ' ');
    EXPECT_EQ((Cell{g.x, g.y}), (Cell{21, kSwitchFloors[i].col}));
  }
  EXPECT_EQ(g.bzcs, 0);
}

TEST_F(BossEvents, SwitchNearTheTopOfTheRangeStopsThere) {
  g.HP = INT_MAX - 10;
  ASSERT_TRUE(pressFrom({22, 39}, key::Up));
  EXPECT_EQ(g.HP, INT_MAX);
}

TEST_F(BossEvents, ThreeSwitchesOpenNothingWhateverTheKeys) {
  takeSwitches(3);
  placeAt({1, 20});
  for (int k : {key::Up, key::B, key::B, key::Unknown, key::Z}) {
    if (k == key::Z) con.feed("2\n");
    dispatch(ctx, k);
  }
  EXPECT_EQ(g.bzcs, 0);
  EXPECT_EQ(cell(28, 81), '|');
  EXPECT_EQ(cell(27, 48), '#');
}

TEST_F(BossEvents, OpeningRuleWaitsForAKeyNoEarlierRuleTakes) {
  takeSwitches(4);
  // A move onto a blank cell is the blank-cell rule's.
  ASSERT_TRUE(pressFrom({1, 20}, key::Right));
  EXPECT_EQ(g.bzcs, 0);
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{1, 21}));
  // A blocked move is the opening rule's, and the player stays.
  ASSERT_TRUE(pressFrom({1, 20}, key::Up));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{1, 20}));
  EXPECT_EQ(g.bzcs, 1);
  // Fired once: the next blocked move is blocked again.
  EXPECT_FALSE(press(key::Up));
}

TEST_F(BossEvents, OpeningRuleOpensTheWallsBesideTheTreasureDoorAndTheBossDoor) {
  mapPrint(g, con);
  takeSwitches(4);
  ASSERT_TRUE(pressFrom({1, 20}, key::Up));
  // On screen the "====" is gone and the walls beside it stand.
  EXPECT_EQ(text(56, 27, 8), "##    ##");
  EXPECT_EQ(text(80, 28, 4), "  ?M");
  // In the map it is the other way round.
  for (int c = 48; c <= 57; ++c) EXPECT_EQ(cell(27, c), ' ') << c;
  for (int c = 58; c <= 61; ++c) EXPECT_EQ(cell(27, c), '=') << c;
  for (int c = 62; c <= 71; ++c) EXPECT_EQ(cell(27, c), ' ') << c;
  EXPECT_EQ(cell(27, 47), '#');
  EXPECT_EQ(cell(27, 72), '#');
  EXPECT_EQ(cell(28, 81), ' ');
  EXPECT_EQ(g.bzcs, 1);
  // The treasure room is entered beside the door, not through it.
  EXPECT_FALSE(pressFrom({28, 59}, key::Up));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{28, 59}));
  EXPECT_TRUE(pressFrom({28, 57}, key::Up));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{27, 57}));
}

TEST_F(BossEvents, OpeningRuleTakesKeyBAfterTheHelpScreenOpens) {
  takeSwitches(4);
  placeAt({1, 20});
  EXPECT_TRUE(dispatch(ctx, key::B));
  EXPECT_EQ(g.jjj, 1);
  EXPECT_EQ(g.bzcs, 1);
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{1, 20}));
}

TEST_F(BossEvents, OpeningRuleTakesTheUpKeyMeantForARespawnPoint) {
  takeSwitches(4);
  ASSERT_TRUE(pressFrom({35, 75}, key::Up));
  EXPECT_EQ(g.bzcs, 1);
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{35, 75}));
  EXPECT_EQ(readArchiveFile("X"), "<missing>");
  ASSERT_TRUE(press(key::Up));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{34, 75}));
  EXPECT_EQ(readArchiveFile("X"), "34");
}

TEST_F(BossEvents, FullRedrawAfterTheOpeningShowsTheStoredMap) {
  openBossDoor();
  fullRedraw(ctx);
  EXPECT_EQ(text(47, 27, 26), "#          ====          #");
}

const char* const kNoticeBox[] = {
    "|----------------------|", "|M是BOOS               |", "|HP=20000, ATK=5000    |", "|DEF=5000,  GOLD=10000 |",
    "|打败BOOS后请请进入一一|", "|生死门,下一关是福利关!|", "|----------------------|",
};

TEST_F(BossEvents, NoticeCellMultipliesHitPointsDrawsTheBoxAndWallsUpRow27) {
  mapPrint(g, con);
  openBossDoor();
  const Game before = g;
  g.HP = 100;
  ASSERT_TRUE(pressFrom({28, 81}, key::Right));
  EXPECT_EQ(g.HP, 1000);
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{28, 82}));
  EXPECT_EQ(cell(28, 82), ' ');
  for (int i = 0; i < 7; ++i) EXPECT_EQ(text(48, 21 + i, 24), kNoticeBox[i]) << "row " << 21 + i;
  // The box ends at column 71: the wall beside it is still the map's.
  for (int r = 21; r <= 27; ++r) EXPECT_EQ(text(72, r, 1), "#") << r;
  for (int c = 48; c <= 71; ++c) EXPECT_EQ(cell(27, c), '#') << c;
  // The room itself keeps its contents.
  for (int r = 21; r <= 26; ++r) EXPECT_EQ(g.Map[static_cast<size_t>(r)], before.Map[static_cast<size_t>(r)]) << r;
  EXPECT_EQ(g.GAMEOVER, before.GAMEOVER);
  // Row 27 is closed now at every column of the room.
  for (int c = 48; c <= 71; ++c) {
    EXPECT_FALSE(pressFrom({28, c}, key::Up)) << c;
    EXPECT_EQ(g.x, 28);
  }
}

TEST_F(BossEvents, NoticeCellTenfoldStopsAtTheTopOfTheRange) {
  openBossDoor();
  g.HP = 300000000;
  ASSERT_TRUE(pressFrom({28, 81}, key::Right));
  EXPECT_EQ(g.HP, INT_MAX);
}

TEST_F(BossEvents, RedrawAfterTheNoticeShowsTheRoomBehindASolidWall) {
  openBossDoor();
  ASSERT_TRUE(pressFrom({28, 81}, key::Right));
  dispatch(ctx, key::B);
  dispatch(ctx, key::B);
  EXPECT_EQ(text(48, 27, 24), std::string(24, '#'));
  EXPECT_EQ(text(48, 21, 24), utf8(std::string(g.Map[21].data() + 48, 24)));
}

TEST_F(BossEvents, NoticeCellIsNotReachedFromTheBossSide) {
  setCell(28, 83, ' ');
  EXPECT_FALSE(pressFrom({28, 83}, key::Left));
  EXPECT_EQ(g.y, 83);
  // Spent, it is an ordinary step from there.
  setCell(28, 82, ' ');
  EXPECT_TRUE(pressFrom({28, 83}, key::Left));
  EXPECT_EQ(g.y, 82);
}

TEST_F(BossEvents, BeatingTheBossThenTheExitCostsTenThousand) {
  openBossDoor();
  ASSERT_TRUE(pressFrom({28, 81}, key::Right));
  g.HP = 100;
  g.ATK = 100000;
  g.DEF = 5000;
  ASSERT_TRUE(press(key::Right));  // the boss: no strike lands on this defence
  ASSERT_EQ(g.GAMEOVER, 'M');
  ASSERT_EQ(g.HP, 100);
  g.HP = 10000;
  ASSERT_TRUE(press(key::Down));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{29, 83}));
  EXPECT_EQ(cell(29, 83), ' ');
  EXPECT_EQ(g.HP, 0);
  EXPECT_TRUE(turnEnd(ctx));
  EXPECT_EQ(g.GAMEOVER, 'M');
}

TEST_F(BossEvents, ExitCellIsNotReachedFromBelow) {
  EXPECT_FALSE(pressFrom({30, 83}, key::Up));
  EXPECT_EQ(g.x, 30);
  EXPECT_EQ(cell(29, 83), '?');
}

TEST_F(BossEvents, ExitCellSaturatesAtTheBottomOfTheRange) {
  g.HP = INT_MIN + 5;
  setCell(28, 83, ' ');
  ASSERT_TRUE(pressFrom({28, 83}, key::Down));
  EXPECT_EQ(g.HP, INT_MIN);
}

struct Column34Case {
  Cell from;
  int hp;
  int expectedHp;
};

TEST_F(BossEvents, Column34CellsChangeHitPointsByFixedAmountsWithoutACause) {
  const Column34Case cases[] = {
      {{27, 34}, 100, 30100},           {{25, 34}, 10001, 1}, {{25, 34}, 10000, 0}, {{23, 34}, 100, 30100},
      {{27, 34}, INT_MAX - 1, INT_MAX},
  };
  for (const Column34Case& c : cases) {
    Game fresh;
    Context fctx{fresh, con, archive, [] { return 0u; }};
    fresh.HP = c.hp;
    fresh.GAMEOVER = 'E';
    fresh.x = c.from.row;
    fresh.y = c.from.col;
    ASSERT_TRUE(runRuleChain(fctx, key::Up)) << c.from;
    EXPECT_EQ(fresh.HP, c.expectedHp) << c.from << " HP " << c.hp;
    EXPECT_EQ(fresh.GAMEOVER, 'E');
    EXPECT_EQ(fresh.Map[static_cast<size_t>(c.from.row - 1)][34], ' ');
  }
}

TEST_F(BossEvents, ClimbingColumn34TakesThePlusThirtyThousandFirst) {
  g.HP = 5000;
  g.DEF = 1000;  // the potions between the cells are picked up on the way
  ASSERT_TRUE(pressFrom({27, 34}, key::Up));
  EXPECT_EQ(g.HP, 35000);
  ASSERT_TRUE(press(key::Up));  // potion at row 25
  ASSERT_TRUE(press(key::Up));  // row 24: -10000
  EXPECT_EQ(g.HP, 35000 + 200 - 10000);
  EXPECT_FALSE(turnEnd(ctx));
}

}  // namespace
}  // namespace vm::test
