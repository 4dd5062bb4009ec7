#pragma once

#include "console/Console.h"
#include "game/Game.h"

namespace vm {

// Panel rows 1 to 10 at the left edge: the name in its colour and the
// player's values, each over a template as wide as the frame.
void drawStatusPanel(const Game& g, Console& con);

}  // namespace vm
