#pragma once

#include <vector>

#include "rules/EventTable.h"

namespace vm {

// The gate of life and death beside the painted "生死门" and the warning
// cell on the way up to row 28. In chain order.
std::vector<FixedCellEvent> gateEvents();

}  // namespace vm
