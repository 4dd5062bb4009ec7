#include "rules/Equipment.h"

#include <gtest/gtest.h>

#include "console/Gbk.h"
#include "rules/TileRules.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

class EquipmentTest : public GameFixture {
 protected:
  static constexpr int kRow = 12;
  static constexpr int kCol = 60;

  void SetUp() override { placePlayer(); }

  void placePlayer() {
    g.x = kRow;
    g.y = kCol;
    setCell(kRow, kCol, ' ');
  }
};

struct PickUpCase {
  char tile;
  int Game::*total;
  int Game::*count;
};

TEST_F(EquipmentTest, EachTileRaisesItsTotalAndItsOwnCounter) {
  const PickUpCase cases[] = {
      {'U', &Game::Weapons, &Game::tj}, {'V', &Game::Weapons, &Game::jj}, {'W', &Game::Weapons, &Game::sj},
      {'X', &Game::Armor, &Game::td},   {'Y', &Game::Armor, &Game::jd},   {'Z', &Game::Armor, &Game::sd},
  };
  for (const PickUpCase& pc : cases) {
    SCOPED_TRACE(std::string(1, pc.tile));
    g = Game();
    placePlayer();
    setCell(kRow + 1, kCol, pc.tile);
    ASSERT_TRUE(runTileRules(ctx, key::Down));
    EXPECT_EQ(cell(kRow + 1, kCol), ' ');
    EXPECT_EQ(g.*pc.total, 1);
    EXPECT_EQ(g.Weapons + g.Armor, 1);
    EXPECT_EQ(g.*pc.count, 1);
    EXPECT_EQ(g.tj + g.jj + g.sj + g.td + g.jd + g.sd, 1);
    // Equipment counts only inside a fight.
    EXPECT_EQ(g.ATK, 10);
    EXPECT_EQ(g.DEF, 10);
  }
}

TEST_F(EquipmentTest, TwoHolySwordsAddUp) {
  setCell(kRow, kCol + 1, 'W');
  setCell(kRow, kCol + 2, 'W');
  ASSERT_TRUE(runTileRules(ctx, key::Right));
  ASSERT_TRUE(runTileRules(ctx, key::Right));
  EXPECT_EQ(g.Weapons, 2);
  EXPECT_EQ(g.sj, 2);
  EXPECT_EQ(g.ATK, 10);
  EXPECT_EQ(g.DEF, 10);
}

TEST_F(EquipmentTest, TotalsAndCountersMoveApart) {
  // Traps may have halved the total; a pick-up adds to both as they stand.
  g.Weapons = 0;
  g.tj = 4;
  setCell(kRow, kCol + 1, 'U');
  ASSERT_TRUE(runTileRules(ctx, key::Right));
  EXPECT_EQ(g.Weapons, 1);
  EXPECT_EQ(g.tj, 5);
}

// jz compares the GBK item name exactly; anything else changes nothing.
struct NameCase {
  std::string name;
  int Game::*count;  // nullptr: no counter moves
};

TEST(JzTest, OnlyAnExactItemNameRaisesItsCounter) {
  const NameCase cases[] = {
      {gbk("铁剑"), &Game::tj}, {gbk("金剑"), &Game::jj},
      {gbk("圣剑"), &Game::sj}, {gbk("铁盾"), &Game::td},
      {gbk("金盾"), &Game::jd}, {gbk("圣盾"), &Game::sd},
      {"铁剑", nullptr},        {gbk("铁剑 "), nullptr},
      {gbk("剑"), nullptr},     {"", nullptr},
      {"U", nullptr},           {gbk("铁剑铁剑"), nullptr},
  };
  int Game::*const counters[] = {&Game::tj, &Game::jj, &Game::sj, &Game::td, &Game::jd, &Game::sd};
  for (const NameCase& nc : cases) {
    SCOPED_TRACE(utf8(nc.name));
    Game g;
    jz(g, nc.name);
    for (int Game::*c : counters) EXPECT_EQ(g.*c, c == nc.count ? 1 : 0);
    EXPECT_EQ(g.Weapons, 0);
    EXPECT_EQ(g.Armor, 0);
  }
}

}  // namespace
}  // namespace vm::test
