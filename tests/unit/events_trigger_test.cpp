// Which key from which cell sets off which mechanism, and which neighbouring
// moves must not.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "events_fixture.h"
#include "main/SharedOps.h"
#include "rules/Events.h"

namespace vm::test {
namespace {

using EventTriggers = EventsTest;

struct TriggerCase {
  Cell player;
  int key;
  std::optional<Cell> blank;  // a cell blanked first: the mechanism already spent
  const char* fires;          // the mechanism expected, or null for none
};

// Every mechanism reached from all four sides, each side with the "?" test.
struct FourSidedMechanism {
  const char* name;
  Cell cell;
};
const FourSidedMechanism kFourSided[] = {
    {"door switch", {19, 24}},         {"trade cell", {35, 7}},          {"rebirth cell A", {33, 32}},
    {"rebirth cell B", {35, 32}},      {"question-mark cell", {29, 32}}, {"toll trap", {19, 34}},
    {"self-destruct cell", {35, 117}}, {"poison cell", {35, 111}},       {"heal cell", {34, 111}},
    {"no-talent cell", {33, 111}},
};

std::string nameOf(const FixedCellEvent* e) { return e ? std::string(e->mechanism) : "<none>"; }

TEST_F(EventTriggers, OneSidedMechanismsFireFromTheirTriggerCellsOnly) {
  const TriggerCase cases[] = {
      // Halving trap: all four sides, no cell test; other keys from a trigger cell do nothing.
      {{1, 30}, key::Right, {}, "halving trap"},
      {{1, 32}, key::Left, {}, "halving trap"},
      {{0, 31}, key::Down, {}, "halving trap"},
      {{2, 31}, key::Up, {}, "halving trap"},
      {{1, 30}, key::Up, {}, nullptr},
      {{2, 31}, key::Right, {}, nullptr},
      {{1, 30}, key::B, {}, nullptr},
      // Exchange cell: only from the west.
      {{1, 97}, key::Right, {}, "exchange cell"},
      {{1, 99}, key::Left, {}, nullptr},
      {{2, 98}, key::Up, {}, nullptr},
      // Key-room switch: only from the east.
      {{10, 22}, key::Left, {}, "key-room switch"},
      {{10, 20}, key::Right, {}, nullptr},
      {{11, 21}, key::Up, {}, nullptr},
      // Key-room exit: blank on the initial map, so nothing before the switch.
      {{8, 33}, key::Up, {}, nullptr},
      {{7, 32}, key::Right, {}, nullptr},
      // Boss notice cell: only from the boss's door.
      {{28, 81}, key::Right, {}, "boss notice cell"},
      {{28, 83}, key::Left, {}, nullptr},
      {{29, 82}, key::Up, {}, nullptr},
      {{28, 81}, key::Right, Cell{28, 82}, nullptr},
      // Boss exit cell: only from the boss's cell.
      {{28, 83}, key::Down, {}, "boss exit cell"},
      {{30, 83}, key::Up, {}, nullptr},
      {{28, 83}, key::Down, Cell{29, 83}, nullptr},
      // Gate of life and death: only from above.
      {{32, 39}, key::Down, {}, "life-gate cell"},
      {{34, 39}, key::Up, {}, nullptr},
      {{33, 38}, key::Right, {}, nullptr},
      {{33, 40}, key::Left, {}, nullptr},
      {{32, 39}, key::Down, Cell{33, 39}, nullptr},
      {{32, 41}, key::Down, {}, "death-gate cell"},
      {{33, 42}, key::Left, {}, nullptr},
      {{32, 41}, key::Down, Cell{33, 41}, nullptr},
      // Warning cell: only from below.
      {{33, 34}, key::Up, {}, "warning cell"},
      {{31, 34}, key::Down, {}, nullptr},
      {{33, 34}, key::Up, Cell{32, 34}, nullptr},
      // Switches: only from below.
      {{22, 39}, key::Up, {}, "switch"},
      {{22, 45}, key::Up, {}, "switch"},
      {{22, 75}, key::Up, {}, "switch"},
      {{22, 81}, key::Up, {}, "switch"},
      {{20, 39}, key::Down, {}, nullptr},
      {{21, 44}, key::Right, {}, nullptr},
      {{21, 82}, key::Left, {}, nullptr},
      {{22, 75}, key::Up, Cell{21, 75}, nullptr},
      // Column-34 cells: only from below.
      {{27, 34}, key::Up, {}, "column-34 cell"},
      {{25, 34}, key::Up, {}, "column-34 cell"},
      {{23, 34}, key::Up, {}, "column-34 cell"},
      {{25, 34}, key::Down, {}, nullptr},
      {{25, 34}, key::Up, Cell{24, 34}, nullptr},
      // Respawn points: only from below.
      {{31, 110}, key::Up, {}, "far respawn point"},
      {{30, 111}, key::Left, {}, nullptr},
      {{35, 75}, key::Up, {}, "near respawn point"},
      {{34, 74}, key::Right, {}, nullptr},
      {{35, 75}, key::Up, Cell{34, 75}, nullptr},
  };
  for (const TriggerCase& c : cases) {
    Game fresh;
    fresh.x = c.player.row;
    fresh.y = c.player.col;
    if (c.blank) fresh.Map[static_cast<size_t>(c.blank->row)][static_cast<size_t>(c.blank->col)] = ' ';
    EXPECT_EQ(nameOf(matchingEvent(fresh, c.key)), c.fires ? c.fires : "<none>")
        << "key " << c.key << " from " << c.player;
  }
}

TEST_F(EventTriggers, KeyRoomExitFiresFromBelowAndFromTheWestWhileItHoldsAQuestionMark) {
  setCell(7, 33, '?');
  const TriggerCase cases[] = {
      {{8, 33}, key::Up, {}, "key-room exit"},
      {{7, 32}, key::Right, {}, "key-room exit"},
      {{7, 34}, key::Left, {}, nullptr},
      {{6, 33}, key::Down, {}, nullptr},
  };
  for (const TriggerCase& c : cases) {
    placeAt(c.player);
    EXPECT_EQ(nameOf(matchingEvent(g, c.key)), c.fires ? c.fires : "<none>") << c.player;
  }
}

TEST_F(EventTriggers, FourSidedMechanismsFireFromEverySideUntilSpent) {
  const int keys[] = {key::Right, key::Left, key::Down, key::Up};
  for (const FourSidedMechanism& m : kFourSided) {
    const Cell sides[] = {{m.cell.row, m.cell.col - 1},
                          {m.cell.row, m.cell.col + 1},
                          {m.cell.row - 1, m.cell.col},
                          {m.cell.row + 1, m.cell.col}};
    for (int i = 0; i < 4; ++i) {
      Game fresh;
      fresh.x = sides[i].row;
      fresh.y = sides[i].col;
      EXPECT_EQ(nameOf(matchingEvent(fresh, keys[i])), m.name) << "key " << keys[i] << " from " << sides[i];
      // The same cell with a key pointing elsewhere.
      EXPECT_EQ(matchingEvent(fresh, keys[(i + 2) % 4]), nullptr) << m.name << " from " << sides[i];
      fresh.Map[static_cast<size_t>(m.cell.row)][static_cast<size_t>(m.cell.col)] = ' ';
      EXPECT_EQ(matchingEvent(fresh, keys[i]), nullptr) << "spent " << m.name << " from " << sides[i];
    }
  }
}

TEST_F(EventTriggers, FourSidedTriggersAreTriedRightLeftDownUp) {
  for (const FourSidedMechanism& m : kFourSided) {
    std::vector<int> keys;
    for (const FixedCellEvent& e : eventTable()) {
      if (e.mechanism == m.name) keys.push_back(*e.key);
    }
    EXPECT_EQ(keys, (std::vector<int>{key::Right, key::Left, key::Down, key::Up})) << m.name;
  }
}

// A typo in a row would put a trigger where its key cannot reach its cell.
TEST_F(EventTriggers, EveryKeyPointsFromThePlayerAtAnArmedMechanismOnTheGrid) {
  const Game fresh;
  std::set<std::pair<int, std::pair<int, int>>> seen;
  for (const FixedCellEvent& e : eventTable()) {
    if (!e.key) continue;
    std::optional<Direction> d = directionOf(*e.key);
    ASSERT_TRUE(d) << e.mechanism;
    EXPECT_EQ(e.player->row + d->dRow, e.cell->row) << e.mechanism;
    EXPECT_EQ(e.player->col + d->dCol, e.cell->col) << e.mechanism;
    ASSERT_TRUE(Game::onGrid(e.cell->row, e.cell->col)) << e.mechanism;
    const bool armedAtStart = !(e.mechanism == "key-room exit");
    EXPECT_EQ(mapCell(fresh, *e.cell) == '?', armedAtStart) << e.mechanism << " " << *e.cell;
    // No two keyed triggers share key and player cell, so their order
    // among themselves never decides which fires.
    EXPECT_TRUE(seen.insert({*e.key, {e.player->row, e.player->col}}).second) << e.mechanism;
  }
}

TEST_F(EventTriggers, OpeningRuleTakesAnyKeyFromAnywhereOnlyAfterTheFourthSwitch) {
  struct Case {
    int bz;
    int bzcs;
    bool pending;
  };
  const Case cases[] = {{4, 0, true}, {3, 0, false}, {4, 1, false}, {0, 0, false}};
  for (const Case& c : cases) {
    g.bz = c.bz;
    g.bzcs = c.bzcs;
    for (int k : {key::Up, key::B, key::M, key::A, key::Z, key::P, key::Unknown}) {
      placeAt({5, 5});
      EXPECT_EQ(nameOf(matchingEvent(g, k)), c.pending ? "opening rule" : "<none>")
          << "bz " << c.bz << " bzcs " << c.bzcs << " key " << k;
    }
  }
}

// Blank cells are taken by the blank-cell rule first: a mechanism without
// the cell test never fires twice, and a cell blanked by other means (the
// self-destruct block) is spent without firing.
TEST_F(EventTriggers, SpentMechanismsWithoutTheCellTestAreOrdinarySteps) {
  struct Case {
    Cell player;
    int key;
    Cell mechanism;
  };
  const Case cases[] = {
      {{1, 30}, key::Right, {1, 31}},
      {{2, 31}, key::Up, {1, 31}},
      {{1, 97}, key::Right, {1, 98}},
      {{10, 22}, key::Left, {10, 21}},
  };
  for (const Case& c : cases) {
    Game fresh;
    Context fctx{fresh, con, archive, [] { return 0u; }};
    fresh.x = c.player.row;
    fresh.y = c.player.col;
    fresh.HP = 100;
    fresh.GOLD = 9;
    fresh.Map[static_cast<size_t>(c.mechanism.row)][static_cast<size_t>(c.mechanism.col)] = ' ';
    EXPECT_TRUE(runRuleChain(fctx, c.key)) << c.mechanism;
    EXPECT_EQ((Cell{fresh.x, fresh.y}), c.mechanism);
    EXPECT_EQ(fresh.HP, 100) << c.mechanism;
    EXPECT_EQ(fresh.GOLD, 9) << c.mechanism;
    EXPECT_EQ(fresh.Wen1, 0) << c.mechanism;
    EXPECT_EQ(fresh.GAMEOVER, 0) << c.mechanism;
  }
}

}  // namespace
}  // namespace vm::test
