#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vm::bench {

// Bytes of one kind of turn over all its samples, with the floor and the
// naive repaint of the same turns (medians).
struct TurnFigures {
  std::string name;
  std::size_t samples = 0;
  double bytes = 0;  // median
  std::uint64_t minBytes = 0;
  std::uint64_t maxBytes = 0;
  double floor = 0;          // median
  double naive = 0;          // median
  double wholeMapFloor = 0;  // median; only for whole-screen turns
  int maxWrites = 0;         // write calls of the turn, at most
};

// The turns the report names, each from its own run of the real loop
// through the terminal console.
struct TurnReport {
  TurnFigures step;
  std::vector<TurnFigures> stepByDirection;  // right, left, down, up
  TurnFigures potion;
  TurnFigures fight;
  TurnFigures helpOpen;
  TurnFigures helpClose;
  TurnFigures firstScreen;
};
TurnReport measureTurns();

// Timings: the fastest of `repeats` repeats.
struct SpeedFigures {
  int repeats = 0;
  double keysPerSecondHeadless = 0;  // renderer into a counter
  double keysPerSecondDevNull = 0;   // terminal console, one write per key to /dev/null
  double bytesPerKey = 0;
  double fullRedrawMicroseconds = 0;
  double panelPassMicroseconds = 0;  // panel and talent box into the picture, not rendered
};
SpeedFigures measureSpeed();

}  // namespace vm::bench
