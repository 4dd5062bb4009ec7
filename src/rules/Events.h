#pragma once

#include "game/Context.h"

namespace vm {

// The fixed-cell events of the rule chain, tried in chain order after the
// tile rules. True when an event ran.
bool runEvents(Context& c, int key);

}  // namespace vm
