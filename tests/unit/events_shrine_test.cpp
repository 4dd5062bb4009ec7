// The talent shrine: each cell sets the talent and redraws its box at once.

#include <gtest/gtest.h>

#include "events_fixture.h"
#include "main/SharedOps.h"
#include "rules/Talents.h"

namespace vm::test {
namespace {

using ShrineEvents = EventsTest;

struct ShrineCase {
  Cell from;
  int key;
  Cell talentCell;
  int tf;
  const char* boxRow11;
};

TEST_F(ShrineEvents, EachCellSetsItsTalentAndDrawsItsBoxInTheSameTurn) {
  const ShrineCase cases[] = {
      {{35, 116}, key::Right, {35, 117}, 1, "| 天赋:自爆(3次)  |"},
      {{34, 117}, key::Down, {35, 117}, 1, "| 天赋:自爆(3次)  |"},
      {{35, 112}, key::Left, {35, 111}, 2, "| 天赋:中毒       |"},
      {{34, 112}, key::Left, {34, 111}, 0, "| 天赋:治愈       |"},
      {{33, 112}, key::Left, {33, 111}, 3, "| 天赋:无         |"},
  };
  for (const ShrineCase& c : cases) {
    Game fresh;
    MemoryConsole screen;
    Context fctx{fresh, screen, archive, [] { return 0u; }};
    fresh.tf = 4;
    fresh.x = c.from.row;
    fresh.y = c.from.col;
    ASSERT_TRUE(runRuleChain(fctx, c.key)) << c.talentCell;
    EXPECT_EQ(fresh.tf, c.tf) << c.talentCell;
    EXPECT_EQ((Cell{fresh.x, fresh.y}), c.talentCell);
    EXPECT_EQ(fresh.Map[static_cast<size_t>(c.talentCell.row)][static_cast<size_t>(c.talentCell.col)], ' ');
    EXPECT_EQ(screen.screen().rowText(11).substr(0, std::string(c.boxRow11).size()), c.boxRow11);
    EXPECT_EQ(fresh.zb, 3);
  }
}

TEST_F(ShrineEvents, PoisonCellTicksAtOnceAndAgainAtTheNextPass) {
  g.tf = 3;
  g.HP = 100;
  g.ATK = 10;
  g.DEF = 10;
  ASSERT_TRUE(pressFrom({35, 112}, key::Left));
  EXPECT_EQ(g.HP, 99);
  EXPECT_EQ(g.ATK, 11);  // the first tick of the run brings its bonus
  EXPECT_EQ(g.GAMEOVER, '2');
  EXPECT_FALSE(turnEnd(ctx));
  // The pass of the main loop that follows the turn draws the box again.
  tfsc(ctx);
  EXPECT_EQ(g.HP, 98);
  EXPECT_EQ(g.ATK, 11);
}

TEST_F(ShrineEvents, PoisonCellOnOneHitPointEndsTheGameWithThePoisonCause) {
  g.tf = 3;
  g.HP = 1;
  g.GAMEOVER = 'a';
  ASSERT_TRUE(pressFrom({35, 112}, key::Left));
  EXPECT_EQ(g.HP, 0);
  EXPECT_TRUE(turnEnd(ctx));
  EXPECT_EQ(g.GAMEOVER, '2');
}

TEST_F(ShrineEvents, TheLastCellTakenDecidesTheTalent) {
  g.tf = 2;
  ASSERT_TRUE(pressFrom({34, 112}, key::Left));
  EXPECT_EQ(g.tf, 0);
  // From the spent heal cell up into the no-talent cell above it.
  ASSERT_TRUE(press(key::Up));
  EXPECT_EQ(g.tf, 3);
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{33, 111}));
  EXPECT_EQ(row(11), "| 天赋:无         |");
  EXPECT_EQ(row(12), "|                 |");
}

TEST_F(ShrineEvents, SpentCellIsAnOrdinaryStepAndTheTalentStays) {
  g.tf = 4;
  ASSERT_TRUE(pressFrom({35, 116}, key::Right));
  ASSERT_EQ(g.tf, 1);
  g.tf = 3;
  ASSERT_TRUE(pressFrom({35, 116}, key::Right));
  EXPECT_EQ(g.tf, 3);
}

TEST_F(ShrineEvents, ShrineTalentIsNotWrittenToTheArchive) {
  writeArchiveFile("tf", "4");
  g.tf = 4;
  ASSERT_TRUE(pressFrom({35, 116}, key::Right));
  EXPECT_EQ(readArchiveFile("tf"), "4");
}

}  // namespace
}  // namespace vm::test
