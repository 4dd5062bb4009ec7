#include "rules/GateEvents.h"

#include "archive/SaveSets.h"
#include "console/Gbk.h"
#include "main/SharedOps.h"

namespace vm {

namespace {

// Ends the run with the level save: the next start is the same map from the
// start cell with every value kept. No turn end follows.
void lifeGate(Context& c, const Firing& f) {
  enterAndClear(c, f);
  levelSave(c);
}

// Death whatever the hit points were, with the mechanisms' message.
void deathGate(Context& c, const Firing& f) {
  enterAndClear(c, f);
  c.g.GAMEOVER = '?';
  c.g.HP = 0;
}

// Sends the player back: the text covers the far respawn point, which the
// map turns into a wall (the label and arrow stay in the map and come back
// at the next full redraw); the one-way door below it becomes floor, and a
// one-way door opens westward through the wall of row 17.
void warningCell(Context& c, const Firing& f) {
  step(c, f.key);
  c.con.Cout(110, 29, gbk("回去扫"));
  c.con.Cout(110, 30, gbk("荡QWQ!"));
  c.con.Cout(113, 31, " ");
  c.con.Cout(51, 17, "(");
  mapCell(c.g, f.mechanism) = ' ';
  mapCell(c.g, {31, 113}) = ' ';
  mapCell(c.g, {30, 110}) = '#';
  mapCell(c.g, {17, 51}) = '(';
}

}  // namespace

std::vector<FixedCellEvent> gateEvents() {
  // The gate cells are reached only from above: from their other sides a
  // "?" without an event is a wall.
  // clang-format off
  return {
      //    mechanism         key        player     mechanism's cell  "?" test  effect
      keyed("life-gate cell",  key::Down, {32, 39},  {33, 39},         true,     lifeGate),
      keyed("death-gate cell", key::Down, {32, 41},  {33, 41},         true,     deathGate),
      keyed("warning cell",    key::Up,   {33, 34},  {32, 34},         true,     warningCell),
  };
  // clang-format on
}

}  // namespace vm
