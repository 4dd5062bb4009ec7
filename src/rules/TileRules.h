#pragma once

#include "game/Context.h"

namespace vm {

// The tile rules of the rule chain: an arrow key into a cell whose
// character has a rule. True when a rule ran.
bool runTileRules(Context& c, int key);

}  // namespace vm
