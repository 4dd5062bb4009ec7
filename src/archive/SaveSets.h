#pragma once

#include "game/Context.h"

namespace vm {

// The life gate's save: clears the console, writes position (1, 20), the
// values, gk = 2, the equipment counts and the items, and ends the process.
void levelSave(Context& c);

// A respawn point's save: the same files with the current position and
// without gk; the game goes on.
void respawnSave(Context& c);

// The author editor's save: the seven edited values.
void authorSave(Context& c);

}  // namespace vm
