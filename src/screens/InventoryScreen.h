#pragma once

#include "game/Context.h"

namespace vm {

// Key M while the inventory is closed: draws the inventory over the map.
// The flag `jjjj` is the caller's business.
void wupin(Context& c);

}  // namespace vm
