#include "Report.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "Measurements.h"

namespace vm::bench {

namespace {

// What a turn is held to, if anything.
struct Target {
  std::string text;
  bool met;
};

const char* verdict(const Target& t) {
  if (t.text.empty()) return "";
  return t.met ? "met" : "MISSED";
}

void printHeader() {
  std::printf("%-36s %6s %8s %11s %8s %8s %8s %9s %7s  %-28s %s\n", "turn", "turns", "bytes", "min-max", "floor",
              "x floor", "naive", "x naive", "writes", "target", "");
}

void printRow(const TurnFigures& t, const Target& target) {
  const std::string range = std::to_string(t.minBytes) + "-" + std::to_string(t.maxBytes);
  std::printf("%-36s %6zu %8.1f %11s %8.1f %8.2f %8.0f %9.4f %7d  %-28s %s\n", t.name.c_str(), t.samples, t.bytes,
              range.c_str(), t.floor, t.bytes / t.floor, t.naive, t.bytes / t.naive, t.maxWrites, target.text.c_str(),
              verdict(target));
}

}  // namespace

int printReport() {
  const TurnReport turns = measureTurns();
  std::printf("Bytes per turn: the real key loop through the terminal console, output counted\n");
  std::printf("(medians over the turns; floor = changed cells with the shortest cursor motion,\n");
  std::printf("naive = erase and reprint all 122 x 61 cells; x = bytes / that;\n");
  std::printf("writes = write calls of a turn at most, target: one per frame)\n\n");
  printHeader();
  printRow(turns.step, {"median <= 12 bytes", turns.step.bytes <= 12});
  for (const TurnFigures& d : turns.stepByDirection) printRow(d, {});
  printRow(turns.potion, {"<= 1.5 x floor", turns.potion.bytes <= 1.5 * turns.potion.floor});
  printRow(turns.fight, {"<= 1.5 x floor", turns.fight.bytes <= 1.5 * turns.fight.floor});
  printRow(turns.helpOpen, {});
  const double wholeMap = turns.helpClose.wholeMapFloor;
  char closeTarget[64];
  std::snprintf(closeTarget, sizeof closeTarget, "<= 1.1 x %.0f (whole map)", wholeMap);
  printRow(turns.helpClose, {closeTarget, turns.helpClose.bytes <= 1.1 * wholeMap});
  std::printf("%-36s %6s %8s %11s %8.0f %8.2f\n", "  (whole-map floor: 37 x 119 cells)", "", "", "", wholeMap,
              turns.helpClose.bytes / wholeMap);
  printRow(turns.firstScreen, {});
  int maxWrites = 0;
  for (const TurnFigures* t :
       {&turns.step, &turns.potion, &turns.fight, &turns.helpOpen, &turns.helpClose, &turns.firstScreen})
    maxWrites = std::max(maxWrites, t->maxWrites);
  std::printf("%-58s %14d  %-20s %s\n", "write calls per frame, at most", maxWrites, "1",
              maxWrites == 1 ? "met" : "MISSED");

  const SpeedFigures speed = measureSpeed();
  std::printf("\nSpeed of the whole loop (rules, panel, talent box, renderer), walking in all four directions\n");
  std::printf("(the fastest of %d repeats)\n\n", speed.repeats);
  std::printf("%-58s %14.0f  %-20s %s\n", "keys per second, headless (renderer into a byte counter)",
              speed.keysPerSecondHeadless, ">= 1000000", speed.keysPerSecondHeadless >= 1e6 ? "met" : "MISSED");
  std::printf("%-58s %14.3f\n", "  microseconds per key", 1e6 / speed.keysPerSecondHeadless);
  std::printf("%-58s %14.3f\n", "  of which the panel pass (panel and talent box, unrendered)",
              speed.panelPassMicroseconds);
  std::printf("%-58s %14.0f\n", "keys per second, terminal console writing to /dev/null", speed.keysPerSecondDevNull);
  std::printf("%-58s %14.2f\n", "bytes per key on that walk", speed.bytesPerKey);
  std::printf("%-58s %14.2f\n", "microseconds per full redraw (help closed), headless", speed.fullRedrawMicroseconds);
  return 0;
}

}  // namespace vm::bench
