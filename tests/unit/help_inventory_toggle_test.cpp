#include <gtest/gtest.h>

#include <vector>

#include "main/GameLoop.h"
#include "main/RuleChain.h"
#include "main/SharedOps.h"
#include "rules/Talents.h"
#include "screens/StatusPanel.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

using Cells = std::vector<ScreenModel::Cell>;

Cells cellsOf(const ScreenModel& s) {
  Cells cells;
  for (int r = 0; r < s.height(); ++r)
    for (int c = 0; c < s.width(); ++c) cells.push_back(s.cell(c, r));
  return cells;
}

// A started game after its first panel pass, with a talent that draws no
// random number and ticks no poison, so a full redraw changes no value.
class ScreenToggleTest : public GameFixture {
 protected:
  void SetUp() override {
    g.tf = 3;
    startUp(ctx);
    drawStatusPanel(g, con);
    tfsc(ctx);
  }

  // The screen a full redraw of the game as it stands paints on a fresh
  // console.
  Cells freshRedraw() {
    Game copy = g;
    MemoryConsole fresh;
    Context c{copy, fresh, archive, [] { return 3u; }};
    fullRedraw(c);
    return cellsOf(fresh.screen());
  }

  Cells screen() const { return cellsOf(con.screen()); }

  bool helpShown() const { return row(21).starts_with("|  a: HP=30"); }
  bool inventoryShown() const { return row(1).find("***物品栏***") != std::string::npos; }
};

TEST_F(ScreenToggleTest, BOpensTheHelpWithoutARule) {
  EXPECT_FALSE(dispatch(ctx, key::B));
  EXPECT_EQ(g.jjj, 1);
  EXPECT_TRUE(helpShown());
}

TEST_F(ScreenToggleTest, BTwiceGivesBackTheGameScreen) {
  EXPECT_FALSE(dispatch(ctx, key::B));
  EXPECT_FALSE(dispatch(ctx, key::B));
  EXPECT_EQ(g.jjj, 0);
  EXPECT_TRUE(screen() == freshRedraw());
}

TEST_F(ScreenToggleTest, AnArrowWritesOverTheHelpAndTheNextBRepaints) {
  dispatch(ctx, key::B);
  EXPECT_TRUE(dispatch(ctx, key::Right));
  EXPECT_EQ(g.y, 21);
  EXPECT_EQ(g.jjj, 1);
  EXPECT_EQ(text(20, 1, 2), " &");
  EXPECT_TRUE(helpShown());
  dispatch(ctx, key::B);
  EXPECT_EQ(g.jjj, 0);
  EXPECT_TRUE(screen() == freshRedraw());
  EXPECT_EQ(text(20, 1, 2), " &");
}

TEST_F(ScreenToggleTest, MTwiceOpensAndClosesTheInventory) {
  EXPECT_FALSE(dispatch(ctx, key::M));
  EXPECT_EQ(g.jjjj, 1);
  EXPECT_TRUE(inventoryShown());
  EXPECT_FALSE(dispatch(ctx, key::M));
  EXPECT_EQ(g.jjjj, 0);
  EXPECT_TRUE(screen() == freshRedraw());
}

TEST_F(ScreenToggleTest, MThenAnArrowThenMCloses) {
  dispatch(ctx, key::M);
  EXPECT_TRUE(dispatch(ctx, key::Right));
  EXPECT_EQ(text(20, 1, 2), " &");
  EXPECT_TRUE(inventoryShown());
  dispatch(ctx, key::M);
  EXPECT_EQ(g.jjjj, 0);
  EXPECT_TRUE(screen() == freshRedraw());
}

TEST_F(ScreenToggleTest, EachKeyTogglesOnlyItsOwnFlag) {
  // M while the help is shown draws the inventory over it.
  dispatch(ctx, key::B);
  dispatch(ctx, key::M);
  EXPECT_EQ(g.jjj, 1);
  EXPECT_EQ(g.jjjj, 1);
  EXPECT_TRUE(inventoryShown());
  // B repaints the game and leaves the inventory's flag as it is...
  dispatch(ctx, key::B);
  EXPECT_EQ(g.jjj, 0);
  EXPECT_EQ(g.jjjj, 1);
  EXPECT_TRUE(screen() == freshRedraw());
  // ...so the next M repaints the game again instead of showing the list.
  dispatch(ctx, key::M);
  EXPECT_EQ(g.jjjj, 0);
  EXPECT_FALSE(inventoryShown());
  EXPECT_TRUE(screen() == freshRedraw());
}

}  // namespace
}  // namespace vm::test
