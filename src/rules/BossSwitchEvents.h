#pragma once

#include <vector>

#include "rules/EventTable.h"

namespace vm {

// The four switches of row 21, the opening rule they arm, and the three
// cells of column 34. In chain order.
std::vector<FixedCellEvent> bossSwitchEvents();

}  // namespace vm
