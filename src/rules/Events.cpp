#include "rules/Events.h"

#include "rules/BossGateEvents.h"
#include "rules/BossSwitchEvents.h"
#include "rules/GateEvents.h"
#include "rules/MiddleBandEvents.h"
#include "rules/RespawnEvents.h"
#include "rules/ShrineEvents.h"
#include "rules/UpperBandEvents.h"

namespace vm {

const std::vector<FixedCellEvent>& eventTable() {
  // No two keyed rows share key and player cell, so among them the order
  // never changes which fires. The opening rule is the exception: while it
  // is pending it takes every key that reaches it, and the rows behind it
  // (the column-34 cells, the respawn points) wait for the next key.
  static const std::vector<FixedCellEvent> table = concatenated({
      upperBandEvents(),   // halving trap, exchange cell, key room
      middleBandEvents(),  // door switch, trade, rebirth, toll
      shrineEvents(),      // talent cells
      bossGateEvents(),    // boss notice and exit
      gateEvents(),        // life gate, death gate, warning cell
      bossSwitchEvents(),  // switches, opening rule, column 34
      respawnEvents(),     // far and near respawn point
  });
  return table;
}

const FixedCellEvent* matchingEvent(const Game& g, int key) {
  for (const FixedCellEvent& e : eventTable()) {
    if (triggerHolds(e, g, key)) return &e;
  }
  return nullptr;
}

bool runEvents(Context& c, int key) {
  const FixedCellEvent* e = matchingEvent(c.g, key);
  if (e == nullptr) return false;
  // The opening rule names no cell; its effect never looks at one.
  e->effect(c, Firing{key, e->cell.value_or(Cell{-1, -1})});
  return true;
}

}  // namespace vm
