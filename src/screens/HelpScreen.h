#pragma once

#include "game/Context.h"

namespace vm {

// Key B while the help is hidden: draws the help box over the game screen.
// The flag `jjj` is the caller's business.
void showHelp(Context& c);

}  // namespace vm
