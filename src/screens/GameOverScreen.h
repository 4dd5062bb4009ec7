#pragma once

#include "console/Console.h"
#include "game/Game.h"

namespace vm {

// The field of green blocks, "GAMEOVER" and the message of the cause code.
void showGameOver(const Game& g, Console& con);

}  // namespace vm
