#include "ByteFloor.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

#include "console/Colours.h"
#include "console/EscapeCodes.h"
#include "game/InitialMap.h"

namespace vm::bench {

namespace {

using Cell = ScreenModel::Cell;
using Half = ScreenModel::Half;

bool isBlank(const Cell& c) { return c.half == Half::Single && c.byte == ' '; }

// 2 for a whole double-byte pair at `col`, else 1 (an orphaned half shows
// as a blank).
int unitWidth(const ScreenModel& m, int row, int col) {
  return m.cell(col, row).half == Half::Lead && col + 1 < m.width() && m.cell(col + 1, row).half == Half::Trail ? 2 : 1;
}

// Whether the terminal would show the two cells alike; a blank's foreground
// cannot be seen.
bool looksAlike(const Cell& a, const Cell& b) {
  if (a.half != b.half || a.byte != b.byte || a.bg != b.bg) return false;
  return isBlank(a) || a.fg == b.fg;
}

bool unitChanged(const ScreenModel& from, const ScreenModel& to, int row, int col, int width) {
  for (int i = 0; i < width; ++i)
    if (!looksAlike(from.cell(col + i, row), to.cell(col + i, row))) return true;
  return false;
}

std::size_t cupLength(int row, int col) {
  std::string s;
  esc::cursorTo(s, row, col);
  return s.size();
}

std::size_t relativeLength(int n) { return static_cast<std::size_t>(3 + esc::countLength(n)); }

// An SGR that sets what differs; fg -1 when the foreground does not matter.
std::size_t colourBytes(int fg, int bg, int& curFg, int& curBg) {
  const bool setFg = fg >= 0 && fg != curFg;
  const bool setBg = bg != curBg;
  if (!setFg && !setBg) return 0;
  std::size_t n = 3;
  if (setFg) n += std::to_string(sgrForeground(fg)).size();
  if (setFg && setBg) n += 1;
  if (setBg) n += std::to_string(sgrBackground(bg)).size();
  if (setFg) curFg = fg;
  curBg = bg;
  return n;
}

int dominantBlankBg(const ScreenModel& m) {
  std::array<int, 16> count{};
  for (int r = 0; r < m.height(); ++r)
    for (int c = 0; c < m.width(); ++c)
      if (isBlank(m.cell(c, r))) ++count[m.cell(c, r).bg & 0x0F];
  return static_cast<int>(std::max_element(count.begin(), count.end()) - count.begin());
}

}  // namespace

std::size_t ByteFloor::unitBytes(const ScreenModel& to, int row, int col, int width) {
  if (width == 1) return 1;
  const Glyph& g = glyphs_.lookup(static_cast<unsigned char>(to.cell(col, row).byte),
                                  static_cast<unsigned char>(to.cell(col + 1, row).byte));
  return g.kind == Glyph::Kind::Failed ? 2 : g.length;
}

// The cheapest way from the cursor to (row, col).
std::size_t ByteFloor::motion(const ScreenModel& to, const State& s, int row, int col) const {
  if (s.cursorKnown && s.row == row && s.col == col) return 0;
  std::size_t best = cupLength(row, col);
  if (!s.cursorKnown) return best;
  const int dr = row - s.row;
  const std::size_t vertical = dr == 0 ? 0 : relativeLength(std::abs(dr));
  // Horizontal from `from`: backspaces or CUB leftwards, CUF rightwards, or
  // the cells in between written again when they show plain characters in
  // the colours already set.
  auto horizontal = [&](int from) -> std::size_t {
    if (from == col) return 0;
    const int n = std::abs(col - from);
    if (col < from) return std::min<std::size_t>(static_cast<std::size_t>(n), relativeLength(n));
    std::size_t cost = relativeLength(n);
    bool rewritable = true;
    for (int c = from; c < col && rewritable; ++c) {
      const Cell& x = to.cell(c, row);
      rewritable = x.half == Half::Single && x.bg == s.bg && (isBlank(x) || x.fg == s.fg);
    }
    return rewritable ? std::min<std::size_t>(cost, static_cast<std::size_t>(n)) : cost;
  };
  best = std::min(best, vertical + horizontal(s.col));
  best = std::min(best, 1 + vertical + horizontal(0));
  if (dr == 1) best = std::min(best, 2 + horizontal(0));
  return best;
}

std::vector<ByteFloor::Run> ByteFloor::changedRuns(const ScreenModel& from, const ScreenModel& to) {
  std::vector<Run> runs;
  for (int row = 0; row < to.height(); ++row) {
    int col = 0;
    while (col < to.width()) {
      if (!unitChanged(from, to, row, col, unitWidth(to, row, col))) {
        col += unitWidth(to, row, col);
        continue;
      }
      Run run{row, col, col};
      while (col < to.width() && unitChanged(from, to, row, col, unitWidth(to, row, col)))
        col += unitWidth(to, row, col);
      run.end = col;
      runs.push_back(run);
    }
  }
  return runs;
}

// The cursor motion to the run and its cells.
std::size_t ByteFloor::writeRun(const ScreenModel& to, const Run& run, State& s) {
  const int width = to.width();
  std::size_t total = motion(to, s, run.row, run.begin);
  s.cursorKnown = true;
  s.row = run.row;
  s.col = run.begin;
  for (int col = run.begin; col < run.end;) {
    const int w = unitWidth(to, run.row, col);
    const Cell& lead = to.cell(col, run.row);
    if (w == 2 || !isBlank(lead)) {
      total += colourBytes(lead.fg, lead.bg, s.fg, s.bg) + unitBytes(to, run.row, col, w);
      col += w;
      s.col = col;
      continue;
    }
    int end = col;
    while (end < run.end && unitWidth(to, run.row, end) == 1 && isBlank(to.cell(end, run.row)) &&
           to.cell(end, run.row).bg == lead.bg)
      ++end;
    const int n = end - col;
    bool blankToLineEnd = true;
    for (int c = end; c < width && blankToLineEnd; ++c)
      blankToLineEnd = isBlank(to.cell(c, run.row)) && to.cell(c, run.row).bg == lead.bg;
    // An erase leaves the cursor where it was: a run that goes on needs a
    // move past the erased cells.
    const bool runGoesOn = end < run.end;
    const std::size_t erase = (blankToLineEnd ? std::min<std::size_t>(3, relativeLength(n)) : relativeLength(n)) +
                              (runGoesOn ? relativeLength(n) : 0);
    total += colourBytes(-1, lead.bg, s.fg, s.bg);
    if (erase < static_cast<std::size_t>(n)) {
      total += erase;
      if (runGoesOn) s.col = end;
    } else {
      total += static_cast<std::size_t>(n);
      s.col = end;
    }
    col = end;
  }
  // A write into the last column leaves a wrap pending, which terminals
  // resolve differently.
  if (s.col >= width) s.cursorKnown = false;
  return total;
}

std::size_t ByteFloor::diff(const ScreenModel& from, const ScreenModel& to, State& s) {
  const std::vector<Run> runs = changedRuns(from, to);
  auto inOrder = [&](const std::vector<std::size_t>& order, State& state) {
    std::size_t total = 0;
    for (std::size_t i : order) total += writeRun(to, runs[i], state);
    return total;
  };
  std::vector<std::size_t> order(runs.size());
  std::iota(order.begin(), order.end(), 0);
  State bestState = s;
  std::size_t best = inOrder(order, bestState);
  // A turn changes a few runs (the player's two cells, a panel value): any
  // order of them may be the shortest, so all are tried. Screens of many
  // runs are taken in reading order.
  if (runs.size() <= kMaxOrderedRuns) {
    while (std::next_permutation(order.begin(), order.end())) {
      State state = s;
      const std::size_t total = inOrder(order, state);
      if (total < best) {
        best = total;
        bestState = state;
      }
    }
  }
  s = bestState;
  return best;
}

std::size_t ByteFloor::transition(const ScreenModel& from, const ScreenModel& to) {
  State direct = state_;
  const std::size_t directBytes = diff(from, to, direct);

  State cleared = state_;
  const int bg = dominantBlankBg(to);
  ScreenModel blank(to.width(), to.height());
  blank.setColor(7, bg);
  blank.clear();
  std::size_t clearedBytes = colourBytes(-1, bg, cleared.fg, cleared.bg) + std::string(esc::kEraseScreen).size();
  clearedBytes += diff(blank, to, cleared);

  state_ = clearedBytes < directBytes ? cleared : direct;
  return std::min(directBytes, clearedBytes);
}

std::size_t naiveRepaint(const ScreenModel& to, GlyphCache& glyphs) {
  std::size_t total = std::string("\x1b[H").size() + std::string(esc::kEraseScreen).size();
  int fg = -1;
  int bg = -1;
  for (int row = 0; row < to.height(); ++row) {
    if (row > 0) total += 2;  // "\r\n"
    for (int col = 0; col < to.width();) {
      const int w = unitWidth(to, row, col);
      const Cell& c = to.cell(col, row);
      if (c.fg != fg || c.bg != bg) {
        fg = c.fg;
        bg = c.bg;
        total += 4 + std::to_string(sgrForeground(fg)).size() + std::to_string(sgrBackground(bg)).size();
      }
      if (w == 2) {
        const Glyph& g =
            glyphs.lookup(static_cast<unsigned char>(c.byte), static_cast<unsigned char>(to.cell(col + 1, row).byte));
        total += g.kind == Glyph::Kind::Failed ? 2 : g.length;
      } else {
        total += 1;
      }
      col += w;
    }
  }
  return total;
}

std::size_t wholeMapFloor(const ScreenModel& to, GlyphCache& glyphs) {
  std::size_t total = 0;
  for (int row = 0; row < kRows; ++row) {
    for (int col = 0; col < kCols;) {
      const int w = unitWidth(to, row, col);
      if (w == 2) {
        const Glyph& g = glyphs.lookup(static_cast<unsigned char>(to.cell(col, row).byte),
                                       static_cast<unsigned char>(to.cell(col + 1, row).byte));
        total += g.kind == Glyph::Kind::Failed ? 2 : g.length;
      } else {
        total += 1;
      }
      col += w;
    }
  }
  return total;
}

}  // namespace vm::bench
