#pragma once

#include "game/Context.h"

namespace vm {

// Tries the elements of the rule chain in order; the first that holds runs.
// True when one ran.
bool runRuleChain(Context& c, int key);

// The dispatch tests of one key, one after the other, then the rule chain.
// True when an element of the rule chain ran.
bool dispatch(Context& c, int key);

}  // namespace vm
