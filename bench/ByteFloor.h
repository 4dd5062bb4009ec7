#pragma once

#include <cstddef>
#include <vector>

#include "console/Glyphs.h"
#include "console/ScreenModel.h"

namespace vm::bench {

// The fewest bytes that bring a VT100-class terminal from one picture to the
// next, as far as this model sees: every changed cell written once (a
// Chinese character as its UTF-8 bytes), the shortest cursor motion to each
// run of them (absolute, relative, carriage return or line feed, or the
// cells in between written again), the runs of a turn in their cheapest
// order, a colour sequence only where the colour
// changes, blank runs erased (ECH, EL) where that is shorter, and a whole
// screen erase first where that pays. Cursor and colours carry over from one
// transition to the next, as they do on a terminal. It ignores scrolling
// and insert/delete, which no turn of this game could use.
class ByteFloor {
 public:
  std::size_t transition(const ScreenModel& from, const ScreenModel& to);

 private:
  struct State {
    bool cursorKnown = false;
    int row = 0;
    int col = 0;
    int fg = -1;
    int bg = -1;
  };

  // Consecutive changed units of one row, columns [begin, end).
  struct Run {
    int row;
    int begin;
    int end;
  };
  static constexpr std::size_t kMaxOrderedRuns = 6;

  static std::vector<Run> changedRuns(const ScreenModel& from, const ScreenModel& to);
  std::size_t writeRun(const ScreenModel& to, const Run& run, State& s);
  std::size_t diff(const ScreenModel& from, const ScreenModel& to, State& s);
  std::size_t motion(const ScreenModel& to, const State& s, int row, int col) const;
  std::size_t unitBytes(const ScreenModel& to, int row, int col, int width);

  GlyphCache glyphs_;
  State state_;
};

// What a renderer that erases the screen and reprints every cell of it
// (all 122 x 61, a line end between rows, both colours set at every colour
// change) writes.
std::size_t naiveRepaint(const ScreenModel& to, GlyphCache& glyphs);

// Every cell of the map area (37 rows of 119 cells) written once with no
// cursor motion or colour at all: the floor of a whole-map repaint that
// writes its blanks.
std::size_t wholeMapFloor(const ScreenModel& to, GlyphCache& glyphs);

}  // namespace vm::bench
