#include "rules/RespawnEvents.h"

#include "archive/SaveSets.h"

namespace vm {

namespace {

// Saves with the respawn point as the position; a start from that save
// blanks the cell under the player, so the point is spent in that run.
void respawnPoint(Context& c, const Firing& f) {
  enterAndClear(c, f);
  respawnSave(c);
}

}  // namespace

std::vector<FixedCellEvent> respawnEvents() {
  // The warning cell walls up the far point for the rest of the run.
  // clang-format off
  return {
      //    mechanism              key       player      mechanism's cell  "?" test  effect
      keyed("far respawn point",  key::Up,  {31, 110},  {30, 110},        true,     respawnPoint),
      keyed("near respawn point", key::Up,  {35, 75},   {34, 75},         true,     respawnPoint),
  };
  // clang-format on
}

}  // namespace vm
