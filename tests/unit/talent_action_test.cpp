#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "main/RuleChain.h"
#include "rules/Talents.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

const std::string kMarks = "XXXXXXXXXXXXXXXXXXXXXX";

// Panel rows 2 to 4 and box row 11 filled with marks wider than the frame,
// so that a test sees exactly which cells a redraw wrote.
class TalentActionTest : public GameFixture {
 protected:
  TalentActionTest() {
    for (int r : {2, 3, 4, 11}) con.Cout(0, r, kMarks);
  }
  // Key A as the dispatch hands it out; true when the rule chain took it.
  bool pressA() { return dispatch(ctx, key::A); }
};

using HealTest = TalentActionTest;

TEST_F(HealTest, TradesOneAttackAndOneDefenceForTenHitPoints) {
  g.tf = 0;
  g.ATK = 1;
  g.DEF = 1;
  EXPECT_FALSE(pressA());
  EXPECT_EQ(g.HP, 110);
  EXPECT_EQ(g.ATK, 0);
  EXPECT_EQ(g.DEF, 0);
  EXPECT_EQ(text(0, 2, 22), "| HP:110          |XXX");
  EXPECT_EQ(text(0, 3, 22), "| ATK:0           |XXX");
  EXPECT_EQ(text(0, 4, 22), "| DEF:0           |XXX");
  EXPECT_TRUE(con.sleeps().empty());
}

TEST_F(HealTest, NegativeValuesShowWithTheirSign) {
  g.tf = 0;
  g.HP = -50;
  EXPECT_FALSE(pressA());
  EXPECT_EQ(text(0, 2, 19), "| HP:-40          |");
}

struct NoHealCase {
  const char* what;
  int tf;
  int ATK;
  int DEF;
};

TEST_F(HealTest, WithoutAttackOrDefenceLeftOrAnotherTalentNothingHappens) {
  const NoHealCase cases[] = {
      {"attack 0", 0, 0, 5},         {"defence 0", 0, 5, 0}, {"both 0", 0, 0, 0},
      {"negative attack", 0, -3, 5}, {"no talent", 3, 5, 5}, {"talent 4", 4, 5, 5},
      {"god of war", 5, 5, 5},       {"poison", 2, 5, 5},    {"not drawn", -1, 5, 5},
  };
  for (const NoHealCase& nc : cases) {
    g.tf = nc.tf;
    g.ATK = nc.ATK;
    g.DEF = nc.DEF;
    g.HP = 100;
    pressA();
    EXPECT_EQ(g.HP, 100) << nc.what;
    EXPECT_EQ(g.ATK, nc.ATK) << nc.what;
    EXPECT_EQ(g.DEF, nc.DEF) << nc.what;
    for (int r : {2, 3, 4, 11}) EXPECT_EQ(text(0, r, 22), kMarks) << nc.what << " row " << r;
  }
}

TEST_F(HealTest, HitPointsAtTheirBoundStayThere) {
  g.tf = 0;
  g.HP = std::numeric_limits<int>::max() - 3;
  pressA();
  EXPECT_EQ(g.HP, std::numeric_limits<int>::max());
  EXPECT_EQ(g.ATK, 9);
}

using SelfDestructTest = TalentActionTest;

// Fills the whole grid with marks; the zero bytes ending each row stay.
void fillGrid(Game& g, char mark) {
  for (auto& r : g.Map)
    for (int col = 0; col < kCols; ++col) r[static_cast<size_t>(col)] = mark;
}

TEST_F(SelfDestructTest, AtSeventyHitPointsClearsTheBlockAndUsesACharge) {
  g.tf = 1;
  g.HP = 70;
  g.x = 7;
  g.y = 41;
  EXPECT_FALSE(pressA());
  for (int r = 5; r <= 9; ++r)
    for (int col = 38; col <= 44; ++col) EXPECT_EQ(cell(r, col), ' ') << r << "," << col;
  // Just outside the block nothing changed.
  EXPECT_EQ(cell(10, 41), 'b');
  EXPECT_EQ(cell(7, 37), ' ');
  EXPECT_EQ(cell(8, 37), 'a');
  EXPECT_EQ(cell(8, 45), 'a');
  EXPECT_EQ(cell(9, 36), '#');
  EXPECT_EQ(g.HP, 1);
  EXPECT_EQ(g.zb, 2);
  EXPECT_EQ(text(0, 2, 22), "| HP:1            |XXX");
  EXPECT_EQ(text(0, 11, 22), "| 天赋:自爆(2次)  |XXX");
  // Attack and defence rows are not redrawn.
  EXPECT_EQ(text(0, 3, 22), kMarks);
  EXPECT_EQ(con.sleeps(), (std::vector<int>{100, 100, 100}));
}

TEST_F(SelfDestructTest, BelowSeventyHitPointsNothingHappens) {
  g.tf = 1;
  g.HP = 69;
  g.x = 7;
  g.y = 41;
  const auto before = g.Map;
  pressA();
  EXPECT_EQ(g.HP, 69);
  EXPECT_EQ(g.zb, 3);
  EXPECT_TRUE(g.Map == before);
  EXPECT_TRUE(con.sleeps().empty());
  EXPECT_EQ(text(0, 2, 22), kMarks);
  EXPECT_EQ(text(0, 11, 22), kMarks);
}

TEST_F(SelfDestructTest, ThreeChargesPerRun) {
  g.tf = 1;
  g.x = 7;
  g.y = 41;
  for (int use = 1; use <= 3; ++use) {
    g.HP = 500;
    pressA();
    EXPECT_EQ(g.HP, 1) << "use " << use;
    EXPECT_EQ(g.zb, 3 - use);
  }
  EXPECT_EQ(text(0, 11, 19), "| 天赋:自爆(0次)  |");
  EXPECT_EQ(con.sleeps().size(), 9u);

  g.HP = 500;
  pressA();
  EXPECT_EQ(g.HP, 500);
  EXPECT_EQ(con.sleeps().size(), 9u);
}

// Monsters, keys and a door in the block are gone, and the player walks
// over their cells without a fight or a pick-up.
TEST_F(SelfDestructTest, ClearedMonstersAndDoorsAreWalkable) {
  g.tf = 1;
  g.HP = 70;
  g.x = 7;
  g.y = 41;
  setCell(9, 44, '!');
  ASSERT_EQ(cell(8, 41), 'a');
  ASSERT_EQ(cell(9, 42), '2');
  pressA();
  for (int k : {key::Down, key::Down, key::Right, key::Right, key::Right})
    EXPECT_TRUE(dispatch(ctx, k)) << "key " << k << " at " << g.x << "," << g.y;
  EXPECT_EQ(g.x, 9);
  EXPECT_EQ(g.y, 44);
  EXPECT_EQ(g.HP, 1);
  EXPECT_EQ(g.SecondKey, 0);
  EXPECT_EQ(g.GOLD, 0);
}

struct EdgeCase {
  const char* what;
  int x;
  int y;
};

// Near the edge of the grid only the part of the block on the grid is
// cleared; every other byte of the map, the row ends included, is kept.
TEST_F(SelfDestructTest, BlockAtTheGridsEdgeIsClipped) {
  const EdgeCase cases[] = {
      {"row 1", 1, 20},        {"row 0", 0, 60},    {"row 35", 35, 60},  {"row 36", 36, 60},
      {"column 1", 10, 1},     {"column 0", 10, 0}, {"column 2", 10, 2}, {"column 116", 20, 116},
      {"column 118", 20, 118}, {"corner", 36, 118}, {"top left", 0, 0},
  };
  for (const EdgeCase& ec : cases) {
    Game fresh;
    fillGrid(fresh, 'X');
    fresh.tf = 1;
    fresh.HP = 100;
    fresh.x = ec.x;
    fresh.y = ec.y;
    MemoryConsole mc;
    Context c{fresh, mc, archive, [] { return 0u; }};
    dispatch(c, key::A);
    for (int r = 0; r < kRows; ++r) {
      for (int col = 0; col < kRowBytes; ++col) {
        bool inBlock = r >= ec.x - 2 && r <= ec.x + 2 && col >= ec.y - 3 && col <= ec.y + 3;
        char expected = col >= kCols ? '\0' : inBlock ? ' ' : 'X';
        ASSERT_EQ(fresh.Map[static_cast<size_t>(r)][static_cast<size_t>(col)], expected)
            << ec.what << ": " << r << "," << col;
      }
    }
    // The last frame shows the player where it stands, however much of it
    // was cut off.
    EXPECT_EQ(mc.screen().cell(ec.y, ec.x).byte, '&') << ec.what;
    EXPECT_EQ(fresh.HP, 1) << ec.what;
  }
}

// Remembers the rows around the player at every pause, as the player sees
// them.
class FrameRecorder : public MemoryConsole {
 public:
  FrameRecorder(int row, int col) : row_(row), col_(col) {}
  void Sleep(int ms) override {
    MemoryConsole::Sleep(ms);
    frames.push_back(snapshot());
  }
  std::vector<std::string> snapshot() const {
    std::vector<std::string> rows;
    for (int r = row_ - 2; r <= row_ + 2; ++r) {
      std::string s;
      for (int c = col_ - 3; c <= col_ + 3; ++c) s += screen().cell(c, r).byte;
      rows.push_back(s);
    }
    return rows;
  }
  std::vector<std::vector<std::string>> frames;

 private:
  int row_;
  int col_;
};

TEST(SelfDestructFramesTest, FourFramesThreePauses) {
  TempDir d;
  Game g;
  g.tf = 1;
  g.HP = 100;
  g.x = 20;
  g.y = 60;
  FrameRecorder rec(g.x, g.y);
  for (int r = 18; r <= 22; ++r) rec.Cout(57, r, "ooooooo");
  Archive a(d.path());
  Context c{g, rec, a, [] { return 0u; }};
  dispatch(c, key::A);
  using Rows = std::vector<std::string>;
  ASSERT_EQ(rec.frames.size(), 3u);
  EXPECT_EQ(rec.frames[0], (Rows{"ooooooo", "oo***oo", "oo* *oo", "oo***oo", "ooooooo"}));
  EXPECT_EQ(rec.frames[1], (Rows{"ooooooo", "oo   oo", "oo & oo", "oo   oo", "ooooooo"}));
  // The inner ring row covers the player too.
  EXPECT_EQ(rec.frames[2], (Rows{"o*****o", "o*   *o", "o*   *o", "o*   *o", "o*****o"}));
  EXPECT_EQ(rec.snapshot(), (Rows{"       ", "       ", "   &   ", "       ", "       "}));
  EXPECT_EQ(rec.sleeps(), (std::vector<int>{100, 100, 100}));
}

// Frame parts left of column 0 or above row 0 are cut; the rest is drawn.
TEST(SelfDestructFramesTest, FramesAtTheScreensEdgeAreCut) {
  TempDir d;
  Game g;
  g.tf = 1;
  g.HP = 100;
  g.x = 0;
  g.y = 1;
  MemoryConsole mc;
  for (int r = 0; r <= 3; ++r) mc.Cout(0, r, "oooooooo");
  Archive a(d.path());
  Context c{g, mc, a, [] { return 0u; }};
  dispatch(c, key::A);
  EXPECT_EQ(mc.screen().rowText(0).substr(0, 8), " &   ooo");
  EXPECT_EQ(mc.screen().rowText(1).substr(0, 8), "     ooo");
  EXPECT_EQ(mc.screen().rowText(3).substr(0, 8), "oooooooo");
}

}  // namespace
}  // namespace vm::test
