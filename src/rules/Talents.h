#pragma once

#include "game/Context.h"

namespace vm {

// The talent box routine: hides the cursor, draws the talent on the first
// start, draws the box of the current talent at rows 11 to 15 and, for the
// poison talent, applies one poison tick.
void tfsc(Context& c);

// Key A with talent 0 (attack and defence above 0): trade one attack and
// one defence for ten hit points.
void heal(Context& c);

// Key A with talent 1 (at least 70 hit points and a charge left): the
// animation, the 5 by 7 block cleared, hit points 1, one charge used.
void selfDestruct(Context& c);

}  // namespace vm
