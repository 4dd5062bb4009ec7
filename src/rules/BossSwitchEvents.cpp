#include "rules/BossSwitchEvents.h"

#include "game/Arith.h"

namespace vm {

namespace {

void bossSwitch(Context& c, const Firing& f) {
  enterAndClear(c, f);
  c.g.HP = satAdd(c.g.HP, 15000);
  c.g.bz = satAdd(c.g.bz, 1);
}

bool openingPending(const Game& g) { return g.bz == 4 && g.bzcs == 0; }

// Takes whatever key reaches it, so an arrow key does nothing else that
// turn. The screen loses the treasure room's "====" while the map keeps it
// and opens the walls beside it instead; a full redraw shows the truth.
void openingRule(Context& c, const Firing&) {
  c.con.Cout(58, 27, "    ");
  fillRow(c.g, 27, 48, 57, ' ');
  fillRow(c.g, 27, 62, 71, ' ');
  mapCell(c.g, {28, 81}) = ' ';
  c.con.Cout(81, 28, " ");
  c.g.bzcs = satAdd(c.g.bzcs, 1);
}

// A fixed change of hit points; no cause code, so a death on the cell shows
// the cause already in force.
EventEffect changeHitPoints(int amount) {
  return [amount](Context& c, const Firing& f) {
    enterAndClear(c, f);
    c.g.HP = satAdd(c.g.HP, amount);
  };
}

}  // namespace

std::vector<FixedCellEvent> bossSwitchEvents() {
  // Each switch sits in the top wall of a monster room and is entered only
  // from below. The opening rule is the one row without key or cell.
  // clang-format off
  return {
      //    mechanism          key       player     mechanism's cell  "?" test  effect
      keyed("switch",          key::Up,  {22, 39},  {21, 39},         true,     bossSwitch),
      keyed("switch",          key::Up,  {22, 45},  {21, 45},         true,     bossSwitch),
      keyed("switch",          key::Up,  {22, 75},  {21, 75},         true,     bossSwitch),
      keyed("switch",          key::Up,  {22, 81},  {21, 81},         true,     bossSwitch),
      anyKey("opening rule",   openingPending,                                              openingRule),
      keyed("column-34 cell",  key::Up,  {27, 34},  {26, 34},         true,     changeHitPoints(30000)),
      keyed("column-34 cell",  key::Up,  {25, 34},  {24, 34},         true,     changeHitPoints(-10000)),
      keyed("column-34 cell",  key::Up,  {23, 34},  {22, 34},         true,     changeHitPoints(30000)),
  };
  // clang-format on
}

}  // namespace vm
