#pragma once

#include <vector>

#include "rules/EventTable.h"

namespace vm {

// The two cells beside the boss: the notice cell west of it and the exit
// cell below it. In chain order.
std::vector<FixedCellEvent> bossGateEvents();

}  // namespace vm
