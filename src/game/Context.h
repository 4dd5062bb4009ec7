#pragma once

#include <functional>

#include "console/Console.h"
#include "game/Game.h"

namespace vm {

class Archive;

// How a run of the game ended.
enum class Ending {
  Running,     // not ended yet
  GameOver,    // hit points at 0 or below: game-over screen shown
  Reset,       // the reset dialog was confirmed
  LevelSave,   // the life gate saved the level
  InputEnded,  // input ran out while waiting for a key: nothing saved
};

// Everything a rule may touch: the game, the console it draws on, the
// archive it saves to, and the random source of the talent draw.
struct Context {
  Game& g;
  Console& con;
  Archive& archive;
  // Draws a raw random number for the talent; the default seeds from the
  // clock in seconds on every draw.
  std::function<unsigned()> random;
  // Set by a rule that ends the process (reset confirmed, level save).
  Ending ending = Ending::Running;
};

}  // namespace vm
