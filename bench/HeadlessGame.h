#pragma once

#include "BenchGame.h"
#include "CountingConsole.h"
#include "game/Context.h"

namespace vm::bench {

// A game set up on the walk (talent "none", the player on its first cell)
// on a CountingConsole whose keys walk its laps, with a temporary archive.
// Start-up is left to the caller.
struct HeadlessGame {
  TempArchive archive;
  Game g;
  CountingConsole con{walkBytes(1)};
  Context ctx{g, con, archive.archive(), [] { return 0u; }};

  HeadlessGame() { BenchSetup::onWalk().seed(archive.archive()); }
};

}  // namespace vm::bench
