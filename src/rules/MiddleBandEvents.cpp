#include "rules/MiddleBandEvents.h"

#include "game/Arith.h"
#include "main/SharedOps.h"

namespace vm {

namespace {

// Opens the special door at row 20, column 8 into the room below.
void doorSwitch(Context& c, const Firing& f) {
  step(c, f.key);
  c.con.Cout(8, 20, " ");
  mapCell(c.g, f.mechanism) = ' ';
  mapCell(c.g, {20, 8}) = ' ';
}

// Sells attack and defence for hit points; it can kill.
void tradeCell(Context& c, const Firing& f) {
  enterAndClear(c, f);
  c.g.DEF = satAdd(c.g.DEF, 10);
  c.g.ATK = satAdd(c.g.ATK, 10);
  c.g.HP = satSub(c.g.HP, 500);
  c.g.GAMEOVER = '?';
}

// The player never stands on a teleport's cell, and its target is neither
// tested nor changed, so arriving sets off nothing there.
EventEffect teleportTo(Cell target) {
  return [target](Context& c, const Firing& f) {
    c.con.Cout(c.g.y, c.g.x, " ");
    c.con.Cout(f.mechanism.col, f.mechanism.row, " ");
    mapCell(c.g, f.mechanism) = ' ';
    c.g.x = target.row;
    c.g.y = target.col;
    c.con.Cout(c.g.y, c.g.x, "&");
  };
}

// The dead end of row 19 charges for coming this far.
void tollTrap(Context& c, const Firing& f) {
  enterAndClear(c, f);
  c.g.HP = satSub(c.g.HP, 1000);
  c.g.GAMEOVER = '?';
}

}  // namespace

std::vector<FixedCellEvent> middleBandEvents() {
  // Rebirth A answers yes with a new start, B answers no into a closed
  // pocket above row 20's keys; the question's own "?" leads to row 18.
  // clang-format off
  return concatenated({
      //         mechanism             cell       effect
      fourSided("door switch",         {19, 24}, doorSwitch),
      fourSided("trade cell",          {35, 7},  tradeCell),
      fourSided("rebirth cell A",      {33, 32}, teleportTo({1, 20})),
      fourSided("rebirth cell B",      {35, 32}, teleportTo({19, 30})),
      fourSided("question-mark cell",  {29, 32}, teleportTo({18, 52})),
      fourSided("toll trap",           {19, 34}, tollTrap),
  });
  // clang-format on
}

}  // namespace vm
