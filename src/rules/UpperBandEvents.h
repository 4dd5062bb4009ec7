#pragma once

#include <vector>

#include "rules/EventTable.h"

namespace vm {

// The first mechanisms a new player meets, rows 0 to 15: the halving trap,
// the exchange cell, and the key room's switch and exit. In chain order.
std::vector<FixedCellEvent> upperBandEvents();

}  // namespace vm
