#include "rules/Combat.h"

#include <gtest/gtest.h>

#include <climits>

#include "rules/TileRules.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

// The player stands left of a monster and walks into it with Right.
class CombatTest : public GameFixture {
 protected:
  static constexpr int kRow = 12;
  static constexpr int kCol = 60;

  void reset(char monster) {
    g = Game();
    g.x = kRow;
    g.y = kCol;
    setCell(kRow, kCol, ' ');
    setCell(kRow, kCol + 1, monster);
  }
};

struct FightCase {
  const char* name;
  char monster;
  void (*given)(Game&);  // the player before the fight; starts at HP 100, ATK 10, DEF 10
  int HP;                // after the fight
  int GOLD;              // after the fight; the player starts with none
};

TEST_F(CombatTest, FightsSettleByTheFormula) {
  const FightCase cases[] = {
      {"a: three strikes", 'a', [](Game&) {}, 65, 1},
      {"b: the fight is lost", 'b', [](Game&) {}, -10, 2},
      {"attack 7 truncates 30/7 to 4", 'a', [](Game& g) { g.ATK = 7; }, 50, 1},
      {"one iron sword", 'a', [](Game& g) { g.tj = 1; }, 96, 1},
      {"attack 40: no strike lands", 'a', [](Game& g) { g.ATK = 40; }, 110, 1},
      {"defence equal to the monster's attack", 'a', [](Game& g) { g.DEF = 15; }, 100, 1},
      {"the boss", 'M', [](Game&) {}, 100 + 10 - 10000 * 5000, 10000},
      {"negative attack", 'a', [](Game& g) { g.ATK = -10; }, 155, 1},
      // An attack of 0 counts as 1: thirty strikes of 15.
      {"attack 0", 'a', [](Game& g) { g.ATK = 0; }, 100 + 10 - 30 * 15, 1},
      {"attack 0 with a sword", 'a',
       [](Game& g) {
         g.ATK = 0;
         g.tj = 1;
       },
       100 + 11 - 3 * 15, 1},
      {"equipment cancelling the attack to 0", 'a', [](Game& g) { g.tj = -1; }, 100 + 9 - 30 * 15, 1},
      {"gain beyond the top of the range", 'a',
       [](Game& g) {
         g.HP = INT_MAX;
         g.ATK = 40;
       },
       INT_MAX, 1},
      {"loss beyond the bottom of the range", 'b', [](Game& g) { g.HP = INT_MIN + 5; }, INT_MIN, 2},
      {"defence at the bottom of the range", 'a',
       [](Game& g) {
         g.HP = -100;
         g.DEF = INT_MIN;
       },
       INT_MIN, 1},
      {"gold at the top of the range", 'a', [](Game& g) { g.GOLD = INT_MAX; }, 65, INT_MAX},
      {"a shield beyond the top of the defence range", 'a',
       [](Game& g) {
         g.DEF = INT_MAX;
         g.sd = 1;
       },
       100, 1},
      {"every counter at the top of the range", 'M',
       [](Game& g) {
         g.ATK = g.DEF = INT_MAX;
         g.tj = g.jj = g.sj = g.td = g.jd = g.sd = INT_MAX;
       },
       100, 10000},
  };
  for (const FightCase& fc : cases) {
    SCOPED_TRACE(fc.name);
    reset(fc.monster);
    fc.given(g);
    const int atk = g.ATK;
    const int def = g.DEF;

    ASSERT_TRUE(runTileRules(ctx, key::Right));
    EXPECT_EQ(g.HP, fc.HP);
    EXPECT_EQ(g.GOLD, fc.GOLD);
    EXPECT_EQ(g.GAMEOVER, fc.monster);
    // The bonus counts only inside the fight.
    EXPECT_EQ(g.ATK, atk);
    EXPECT_EQ(g.DEF, def);
    // The monster is gone whatever the outcome; the player stands there.
    EXPECT_EQ(cell(kRow, kCol + 1), ' ');
    EXPECT_EQ(g.y, kCol + 1);
    EXPECT_EQ(text(kCol, kRow, 2), " &");
  }
}

// Each letter fights as its own row of the monster table and leaves its
// own cause code. The player (HP 100000000, ATK 10, DEF 5) survives them all.
struct MonsterCase {
  char letter;
  int hpChange;
  int gold;
};

TEST_F(CombatTest, EveryMonsterFightsWithItsOwnValues) {
  const MonsterCase cases[] = {
      {'a', -40, 1},  {'b', -115, 2},  {'c', -1245, 6},    {'d', -1547, 8},    {'e', -59935, 100},      {'A', -149, 3},
      {'B', -719, 5}, {'C', -2992, 8}, {'D', -19975, 100}, {'E', -89995, 300}, {'M', -49999995, 10000},
  };
  for (const MonsterCase& mc : cases) {
    SCOPED_TRACE(std::string(1, mc.letter));
    reset(mc.letter);
    g.HP = 100000000;
    g.DEF = 5;
    ASSERT_TRUE(runTileRules(ctx, key::Right));
    EXPECT_EQ(g.HP, 100000000 + mc.hpChange);
    EXPECT_EQ(g.GOLD, mc.gold);
    EXPECT_EQ(g.GAMEOVER, mc.letter);
  }
}

TEST_F(CombatTest, AHarmlessFightStillLeavesItsCauseCode) {
  reset('a');
  g.GAMEOVER = '?';
  g.DEF = 100;
  ASSERT_TRUE(runTileRules(ctx, key::Right));
  EXPECT_EQ(g.HP, 100);
  EXPECT_EQ(g.GAMEOVER, 'a');
}

// The bonus of each weapon and shield, counted per item carried; the
// player has ATK 10 and DEF 10 of their own.
struct BonusCase {
  const char* name;
  void (*carry)(Game&);
  int eAtk;
  int eDef;
};

TEST(EquipmentBonusTest, EachItemAddsItsAttackAndDefence) {
  const BonusCase cases[] = {
      {"nothing", [](Game&) {}, 10, 10},
      {"iron sword", [](Game& g) { g.tj = 1; }, 20, 11},
      {"gold sword", [](Game& g) { g.jj = 1; }, 60, 15},
      {"holy sword", [](Game& g) { g.sj = 1; }, 110, 20},
      {"iron shield", [](Game& g) { g.td = 1; }, 11, 20},
      {"gold shield", [](Game& g) { g.jd = 1; }, 15, 60},
      {"holy shield", [](Game& g) { g.sd = 1; }, 20, 110},
      {"two iron swords and three holy shields",
       [](Game& g) {
         g.tj = 2;
         g.sd = 3;
       },
       60, 312},
      {"one of each", [](Game& g) { g.tj = g.jj = g.sj = g.td = g.jd = g.sd = 1; }, 186, 186},
      {"totals alone give nothing",
       [](Game& g) {
         g.Weapons = 5;
         g.Armor = 5;
       },
       10, 10},
  };
  for (const BonusCase& bc : cases) {
    Game g;
    bc.carry(g);
    EXPECT_EQ(effectiveAttack(g), bc.eAtk) << bc.name;
    EXPECT_EQ(effectiveDefence(g), bc.eDef) << bc.name;
  }
}

}  // namespace
}  // namespace vm::test
