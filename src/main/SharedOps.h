#pragma once

#include <optional>

#include "game/Context.h"

namespace vm {

// Row and column change of an arrow key.
struct Direction {
  int dRow;
  int dCol;
};

// The direction of an arrow scan code, or nothing for any other key.
std::optional<Direction> directionOf(int key);

// Moves the player one cell in the direction of `key`: " " where the player
// stood, "&" where the player now stands. The map is left untouched.
void step(Context& c, int key);

// Repaints the whole game screen from the map: clear, overlays and the key
// room, map print, player, status panel, talent box.
void fullRedraw(Context& c);

// After every key: when the hit points are 0 or below, the game-over screen
// is shown and true is returned (the process ends).
bool turnEnd(Context& c);

}  // namespace vm
