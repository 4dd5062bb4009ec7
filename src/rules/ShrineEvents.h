#pragma once

#include <vector>

#include "rules/EventTable.h"

namespace vm {

// The talent shrine of the lower-right corner: four four-sided cells, each
// replacing the talent for the rest of the run. In chain order.
std::vector<FixedCellEvent> shrineEvents();

}  // namespace vm
