#pragma once

#include "game/Context.h"

namespace vm {

// Start-up: console set-up, start-up patch, map print, archive load, player.
void startUp(Context& c);

// The key loop, until the game ends one way or another.
Ending mainLoop(Context& c);

// Start-up followed by the key loop.
Ending runGame(Context& c);

// The pause at exit: drops what is left of the typed line, then waits for
// one character.
void exitPause(Console& con);

}  // namespace vm
