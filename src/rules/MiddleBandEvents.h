#pragma once

#include <vector>

#include "rules/EventTable.h"

namespace vm {

// The mechanisms of the middle band and the lower-left quarter, each
// four-sided: the door switch, the trade cell, the three rebirth teleports
// and the toll trap. In chain order.
std::vector<FixedCellEvent> middleBandEvents();

}  // namespace vm
