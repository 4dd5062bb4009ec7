#pragma once

#include <string>

#include "console/Console.h"
#include "game/Game.h"

namespace vm {

// The box sits under the status panel, inside the frame the map paints.
inline constexpr int kTalentBoxCol = 0;
inline constexpr int kTalentBoxTopRow = 11;

// Row 11 of the self-destruct box, with the charges left (GBK).
std::string selfDestructTitle(int zb);

// Draws the box of the current talent; a talent without a box leaves the
// rows as they are.
void drawTalentBox(const Game& g, Console& con);

}  // namespace vm
