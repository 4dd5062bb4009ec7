#pragma once

#include <vector>

#include "rules/EventTable.h"

namespace vm {

// The two respawn points under the painted "重生点", the last elements of
// the rule chain. In chain order.
std::vector<FixedCellEvent> respawnEvents();

}  // namespace vm
