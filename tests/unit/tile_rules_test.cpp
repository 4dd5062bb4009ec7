#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "game/WorldMap.h"
#include "rules/TileRules.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

// Every value a tile rule may touch, compared as one.
struct Values {
  int HP, ATK, DEF, GOLD, FirstKey, SecondKey, ThirdKey, Weapons, Armor, tj, jj, sj, td, jd, sd;
  char GAMEOVER;
  bool operator==(const Values&) const = default;
};

Values valuesOf(const Game& g) {
  return {g.HP,    g.ATK, g.DEF, g.GOLD, g.FirstKey, g.SecondKey, g.ThirdKey, g.Weapons,
          g.Armor, g.tj,  g.jj,  g.sj,   g.td,       g.jd,        g.sd,       g.GAMEOVER};
}

std::ostream& operator<<(std::ostream& os, const Values& v) {
  return os << "HP " << v.HP << " ATK " << v.ATK << " DEF " << v.DEF << " GOLD " << v.GOLD << " keys " << v.FirstKey
            << "/" << v.SecondKey << "/" << v.ThirdKey << " weapons " << v.Weapons << " armor " << v.Armor << " items "
            << v.tj << v.jj << v.sj << v.td << v.jd << v.sd << " cause " << static_cast<int>(v.GAMEOVER);
}

struct Arrow {
  int key;
  int dRow;
  int dCol;
  const char* name;
};

const Arrow kArrows[] = {
    {key::Up, -1, 0, "Up"},
    {key::Down, 1, 0, "Down"},
    {key::Left, 0, -1, "Left"},
    {key::Right, 0, 1, "Right"},
};

// The player stands in the middle of the map on a printed screen; each
// case writes the character under test next to the player.
class TileRulesTest : public GameFixture {
 protected:
  static constexpr int kRow = 12;
  static constexpr int kCol = 60;

  void placePlayer(int row, int col) {
    g.x = row;
    g.y = col;
    setCell(row, col, ' ');
    con.Cout(col, row, "&");
  }

  void SetUp() override {
    mapPrint(g, con);
    placePlayer(kRow, kCol);
  }

  std::vector<ScreenModel::Cell> screenCells() const {
    std::vector<ScreenModel::Cell> cells;
    for (int r = 0; r < con.screen().height(); ++r)
      for (int c = 0; c < con.screen().width(); ++c) cells.push_back(con.screen().cell(c, r));
    return cells;
  }
};

// A rule that holds the same way in all four directions.
struct TileCase {
  const char* name;
  char cell;
  void (*given)(Game&);  // state before the move
  bool moves;
  char cellAfter;
  void (*changes)(Values&);  // what the rule does to the values
};

void none(Game&) {}
void unchanged(Values&) {}

TEST_F(TileRulesTest, EveryCharacterInEveryDirection) {
  const TileCase cases[] = {
      {"floor", ' ', none, true, ' ', unchanged},
      {"key 1", '1', none, true, ' ', [](Values& v) { v.FirstKey = 1; }},
      {"key 2", '2', [](Game& g) { g.SecondKey = 4; }, true, ' ', [](Values& v) { v.SecondKey = 5; }},
      {"key 3", '3', none, true, ' ', [](Values& v) { v.ThirdKey = 1; }},
      {"door 1 with two keys", '!', [](Game& g) { g.FirstKey = 2; }, true, ' ', [](Values& v) { v.FirstKey = 1; }},
      {"door 1 without its key", '!', [](Game& g) { g.SecondKey = g.ThirdKey = 1; }, false, '!', unchanged},
      {"door 2 with a key", '@', [](Game& g) { g.SecondKey = 1; }, true, ' ', [](Values& v) { v.SecondKey = 0; }},
      {"door 2 without its key", '@', [](Game& g) { g.FirstKey = g.ThirdKey = 1; }, false, '@', unchanged},
      {"door 3 with a key", '%', [](Game& g) { g.ThirdKey = 1; }, true, ' ', [](Values& v) { v.ThirdKey = 0; }},
      {"door 3 without its key", '%', [](Game& g) { g.FirstKey = g.SecondKey = 1; }, false, '%', unchanged},
      {"door with a negative count", '!', [](Game& g) { g.FirstKey = -3; }, false, '!', unchanged},
      {"potion", '+', none, true, ' ', [](Values& v) { v.HP = 300; }},
      {"potion at the top of the range", '+', [](Game& g) { g.HP = INT_MAX - 50; }, true, ' ',
       [](Values& v) { v.HP = INT_MAX; }},
      {"defence gem", ']', none, true, ' ', [](Values& v) { v.DEF = 12; }},
      {"attack gem", '*', none, true, ' ', [](Values& v) { v.ATK = 12; }},
      {"death wall", '0', [](Game& g) { g.HP = 5000; }, true, '0',
       [](Values& v) {
         v.HP = 0;
         v.GAMEOVER = '0';
       }},
      {"monster", 'a', none, true, ' ',
       [](Values& v) {
         v.HP = 65;
         v.GOLD = 1;
         v.GAMEOVER = 'a';
       }},
      {"iron sword", 'U', none, true, ' ',
       [](Values& v) {
         v.Weapons = 1;
         v.tj = 1;
       }},
      {"holy shield", 'Z', none, true, ' ',
       [](Values& v) {
         v.Armor = 1;
         v.sd = 1;
       }},
      {"wall", '#', none, false, '#', unchanged},
      {"mechanism", '?', none, false, '?', unchanged},
      {"special door", '=', none, false, '=', unchanged},
      {"frame bar", '|', none, false, '|', unchanged},
      {"painted text", '\xb2', none, false, '\xb2', unchanged},
  };
  for (const TileCase& tc : cases) {
    for (const Arrow& a : kArrows) {
      SCOPED_TRACE(std::string(tc.name) + ", " + a.name);
      g = Game();
      placePlayer(kRow, kCol);
      tc.given(g);
      const int row = kRow + a.dRow;
      const int col = kCol + a.dCol;
      setCell(row, col, tc.cell);
      Values expected = valuesOf(g);
      tc.changes(expected);

      EXPECT_EQ(runTileRules(ctx, a.key), tc.moves);
      EXPECT_EQ(valuesOf(g), expected);
      EXPECT_EQ(g.x, tc.moves ? row : kRow);
      EXPECT_EQ(g.y, tc.moves ? col : kCol);
      EXPECT_EQ(cell(row, col), tc.cellAfter);
    }
  }
}

TEST_F(TileRulesTest, KeysTakenFromTwoCellsAddUp) {
  setCell(kRow, kCol + 1, '1');
  setCell(kRow, kCol + 2, '1');
  EXPECT_TRUE(runTileRules(ctx, key::Right));
  EXPECT_TRUE(runTileRules(ctx, key::Right));
  EXPECT_EQ(g.FirstKey, 2);
  EXPECT_EQ(cell(kRow, kCol + 1), ' ');
  EXPECT_EQ(cell(kRow, kCol + 2), ' ');
}

TEST_F(TileRulesTest, KeysThatAreNoArrowMatchNothing) {
  for (char ch : {' ', '1', '+', 'a', 'U', ')', '('}) {
    for (const Arrow& a : kArrows) setCell(kRow + a.dRow, kCol + a.dCol, ch);
    for (int k : {key::M, key::B, key::A, key::Z, key::P, key::Unknown}) {
      EXPECT_FALSE(runTileRules(ctx, k)) << ch << " key " << k;
      EXPECT_EQ(g.x, kRow);
      EXPECT_EQ(g.y, kCol);
    }
  }
}

// The one-way doors: a two-cell move in one direction only.
struct OneWayCase {
  char door;
  int key;
  bool moves;
  int colAfter;
};

TEST_F(TileRulesTest, OneWayDoorsPassOnlyTheirWay) {
  const OneWayCase cases[] = {
      {')', key::Right, true, kCol + 2}, {')', key::Left, false, kCol},    {')', key::Up, false, kCol},
      {')', key::Down, false, kCol},     {'(', key::Left, true, kCol - 2}, {'(', key::Right, false, kCol},
      {'(', key::Up, false, kCol},       {'(', key::Down, false, kCol},
  };
  for (const OneWayCase& oc : cases) {
    SCOPED_TRACE(std::string(1, oc.door) + " key " + std::to_string(oc.key));
    g = Game();
    placePlayer(kRow, kCol);
    for (const Arrow& a : kArrows) setCell(kRow + a.dRow, kCol + a.dCol, oc.door);
    const Values before = valuesOf(g);
    EXPECT_EQ(runTileRules(ctx, oc.key), oc.moves);
    EXPECT_EQ(g.x, kRow);
    EXPECT_EQ(g.y, oc.colAfter);
    EXPECT_EQ(valuesOf(g), before);
    for (const Arrow& a : kArrows) EXPECT_EQ(cell(kRow + a.dRow, kCol + a.dCol), oc.door);
  }
}

TEST_F(TileRulesTest, TheLandingCellIsNeitherTestedNorChanged) {
  for (char landing : {'+', 'a', '0', '1', 'U', '#', '?'}) {
    SCOPED_TRACE(std::string(1, landing));
    g = Game();
    placePlayer(kRow, kCol);
    setCell(kRow, kCol + 1, ')');
    setCell(kRow, kCol + 2, landing);
    const Values before = valuesOf(g);
    EXPECT_TRUE(runTileRules(ctx, key::Right));
    EXPECT_EQ(g.y, kCol + 2);
    EXPECT_EQ(cell(kRow, kCol + 2), landing);
    EXPECT_EQ(valuesOf(g), before);
    EXPECT_EQ(text(kCol + 2, kRow, 1), "&");
  }
}

TEST_F(TileRulesTest, APotionLandedOnIsTakenWhenEnteredLater) {
  setCell(kRow, kCol - 1, '(');
  setCell(kRow, kCol - 2, '+');
  setCell(kRow, kCol - 3, ' ');
  ASSERT_TRUE(runTileRules(ctx, key::Left));
  EXPECT_EQ(g.HP, 100);
  ASSERT_TRUE(runTileRules(ctx, key::Left));
  ASSERT_TRUE(runTileRules(ctx, key::Right));
  EXPECT_EQ(g.HP, 300);
  EXPECT_EQ(cell(kRow, kCol - 2), ' ');
}

// A rule draws " " where the player stood and "&" where the player now
// stands, and nothing else: no panel line, no cleared-cell redraw.
struct TwoCellCase {
  char cell;
  int key;
  int dCol;  // how far the player moves along the row (Up: 0)
  int dRow;
};

TEST_F(TileRulesTest, ARuleWritesOnlyTheCellLeftAndTheCellEntered) {
  const TwoCellCase cases[] = {
      {' ', key::Left, -1, 0}, {'1', key::Up, 0, -1},   {'!', key::Down, 0, 1}, {'+', key::Right, 1, 0},
      {'a', key::Right, 1, 0}, {'U', key::Right, 1, 0}, {'0', key::Up, 0, -1},  {')', key::Right, 2, 0},
  };
  for (const TwoCellCase& tc : cases) {
    SCOPED_TRACE(std::string(1, tc.cell));
    g = Game();
    con.Clear();
    mapPrint(g, con);
    placePlayer(kRow, kCol);
    g.FirstKey = 1;
    // The one-way door sits next to the player; its landing cell is beyond it.
    setCell(kRow + tc.dRow, kCol + (tc.dCol > 0 ? 1 : tc.dCol), tc.cell);
    std::vector<ScreenModel::Cell> expected = screenCells();
    const int width = con.screen().width();
    expected[static_cast<size_t>(kRow * width + kCol)].byte = ' ';
    expected[static_cast<size_t>((kRow + tc.dRow) * width + kCol + tc.dCol)].byte = '&';
    ASSERT_TRUE(runTileRules(ctx, tc.key));
    EXPECT_TRUE(screenCells() == expected);
  }
}

// Only a player on the grid's edge has a neighbour or a landing cell off
// the grid; such a move is no move and touches nothing.
struct EdgeCase {
  const char* name;
  int row;
  int col;
  int key;
  int doorCol;  // a one-way door at this column of the player's row; -1 none
};

TEST_F(TileRulesTest, AMoveOffTheGridIsNoMove) {
  const EdgeCase cases[] = {
      {"up from row 0", 0, 50, key::Up, -1},
      {"down from row 36", 36, 50, key::Down, -1},
      {"left from column 0", 20, 0, key::Left, -1},
      {"right from column 118", 20, 118, key::Right, -1},
      {"right over a door in column 118", 20, 117, key::Right, 118},
      {"left over a door in column 0", 20, 1, key::Left, 0},
  };
  for (const EdgeCase& ec : cases) {
    SCOPED_TRACE(ec.name);
    g = Game();
    con.Clear();
    mapPrint(g, con);
    placePlayer(ec.row, ec.col);
    if (ec.doorCol >= 0) setCell(ec.row, ec.doorCol, ec.doorCol > ec.col ? ')' : '(');
    const Game before = g;
    const std::vector<ScreenModel::Cell> screen = screenCells();
    EXPECT_FALSE(runTileRules(ctx, ec.key));
    EXPECT_EQ(g.x, ec.row);
    EXPECT_EQ(g.y, ec.col);
    EXPECT_TRUE(g.Map == before.Map);
    EXPECT_TRUE(screenCells() == screen);
  }
}

TEST_F(TileRulesTest, AOneWayDoorNextToTheEdgeStillLandsOnTheLastColumn) {
  placePlayer(20, 116);
  setCell(20, 117, ')');
  EXPECT_TRUE(runTileRules(ctx, key::Right));
  EXPECT_EQ(g.y, 118);
}

}  // namespace
}  // namespace vm::test
