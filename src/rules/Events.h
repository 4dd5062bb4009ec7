#pragma once

#include <vector>

#include "game/Context.h"
#include "rules/EventTable.h"

namespace vm {

// Every fixed-cell event of the map in the order the rule chain tries them,
// one row per trigger. Reading it is reading the map's mechanics.
const std::vector<FixedCellEvent>& eventTable();

// The first event whose trigger holds for this key, or null.
const FixedCellEvent* matchingEvent(const Game& g, int key);

// The fixed-cell events of the rule chain, tried in chain order after the
// tile rules. True when an event ran.
bool runEvents(Context& c, int key);

}  // namespace vm
