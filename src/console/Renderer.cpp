#include "console/Renderer.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <type_traits>

#include "console/Colours.h"
#include "console/EscapeCodes.h"

namespace vm {

namespace {

using Cell = ScreenModel::Cell;
using Half = ScreenModel::Half;

static_assert(std::has_unique_object_representations_v<Cell>, "rows are compared with memcmp");

// A front-buffer cell whose content the terminal may show differently from
// anything the model can hold: it never matches, so it is drawn again.
constexpr Cell kUnknown{'\0', 0xFF, 0xFF, Half::Single};

bool printable(char b) {
  unsigned char u = static_cast<unsigned char>(b);
  return u >= 0x20 && u < 0x7F;
}

bool isBlank(const Cell& c) { return c.half == Half::Single && c.byte == ' '; }

}  // namespace

Renderer::Renderer(int width, int height)
    : width_(width), height_(height), visibleRows_(height), front_(static_cast<size_t>(width * height), kUnknown) {}

void Renderer::invalidate() {
  full_ = true;
  cursorKnown_ = false;
  fg_ = bg_ = -1;
}

void Renderer::setVisibleRows(int rows) {
  rows = std::clamp(rows, 0, height_);
  if (rows > visibleRows_) invalidate();
  visibleRows_ = rows;
}

void Renderer::render(ScreenModel& model, std::string& out) {
  const bool full = full_;
  full_ = false;
  if (full) eraseAll(model, out);
  const int rows = std::min({visibleRows_, model.height(), height_});
  for (int r = 0; r < rows; ++r) {
    const ScreenModel::RowChange change = full ? ScreenModel::RowChange{0, width_ - 1} : model.change(r);
    if (change.any()) renderRow(model, r, change.first, std::min(change.last, width_ - 1), out);
  }
  model.forgetChanges();
}

// An orphaned half of a pair shows as a blank, a byte the terminal would
// take as a control shows as "?".
Renderer::Unit Renderer::unitAt(const Cell* row, int col) const {
  Cell x = row[col];
  if (x.half == Half::Lead && col + 1 < width_ && row[col + 1].half == Half::Trail) return {2, {x, row[col + 1]}};
  if (x.half != Half::Single) return {1, {Cell{' ', x.fg, x.bg, Half::Single}, {}}};
  if (!printable(x.byte)) x.byte = '?';
  return {1, {x, {}}};
}

// Whether the terminal already shows the unit; a blank's foreground colour
// cannot be seen, so it does not count.
bool Renderer::shows(int row, int col, const Unit& u) const {
  const Cell& f = front(row, col);
  if (u.width == 2) return f == u.cells[0] && front(row, col + 1) == u.cells[1];
  const Cell& t = u.cells[0];
  return f.half == Half::Single && f.byte == t.byte && f.bg == t.bg && (t.byte == ' ' || f.fg == t.fg);
}

// Erases the screen in the background most blanks of the model have, so that
// only the other cells need to be written.
void Renderer::eraseAll(const ScreenModel& model, std::string& out) {
  std::array<int, 16> blanks{};
  const int rows = std::min({visibleRows_, model.height(), height_});
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < width_; ++c) {
      const Cell& cell = model.cell(c, r);
      if (isBlank(cell)) ++blanks[cell.bg & 0x0F];
    }
  }
  const int bg = static_cast<int>(std::max_element(blanks.begin(), blanks.end()) - blanks.begin());
  setColour(-1, bg, out);
  out += esc::kEraseScreen;
  const Cell blank{' ', static_cast<std::uint8_t>(fg_ < 0 ? 7 : fg_), static_cast<std::uint8_t>(bg), Half::Single};
  std::fill(front_.begin(), front_.begin() + rows * width_, blank);
  std::fill(front_.begin() + rows * width_, front_.end(), kUnknown);
}

// Only the changed columns first..last are compared: the rest of the row is
// as the last render left it, which the terminal shows.
void Renderer::renderRow(const ScreenModel& model, int row, int first, int last, std::string& out) {
  const Cell* target = &model.cell(0, row);
  // A changed second half is drawn together with its first.
  if (first > 0 && target[first - 1].half == Half::Lead) --first;
  // Cells written over and back again, like a panel value under its
  // template, are what the terminal shows already.
  const size_t span = static_cast<size_t>(last - first + 1);
  if (std::memcmp(target + first, &front(row, first), span * sizeof(Cell)) == 0) return;
  for (int c = first; c <= last;) {
    const Unit u = unitAt(target, c);
    if (shows(row, c, u)) {
      std::copy_n(u.cells, u.width, &front(row, c));
      c += u.width;
    } else if (u.width == 1 && u.cells[0].byte == ' ') {
      c = eraseRun(target, row, c, out);
    } else {
      drawUnit(row, c, u, out);
      c += u.width;
    }
  }
}

// Blanks from `col` in one background: written as blanks, or erased with ECH
// or EL where that is shorter. Erasing uses the current background, so the
// colour is set first. Returns the column after the cells dealt with.
int Renderer::eraseRun(const Cell* target, int row, int col, std::string& out) {
  const std::uint8_t bg = target[col].bg;
  int end = col;
  int last = col;
  while (end < width_) {
    const Unit v = unitAt(target, end);
    if (v.width != 1 || v.cells[0].byte != ' ' || v.cells[0].bg != bg) break;
    if (!shows(row, end, v)) last = end;
    ++end;
  }
  const int n = last - col + 1;
  moveTo(row, col, out);
  setColour(-1, bg, out);

  // After an erase the cursor stays put, so a later change on this row needs
  // one more motion: count the cheapest one.
  const int spacesCost = n;
  const int eraseCost = 3 + esc::countLength(n) + (end < width_ ? 3 : 0);
  const int lineEndCost = end == width_ ? 3 : width_;
  const bool asSpaces = spacesCost <= std::min(eraseCost, lineEndCost);
  int covered = n;
  if (asSpaces) {
    out.append(static_cast<size_t>(n), ' ');
  } else if (lineEndCost <= eraseCost) {
    out += esc::kEraseToLineEnd;
    covered = width_ - col;
  } else {
    esc::eraseCells(out, n);
  }
  forgetNeighbours(row, col, covered);
  for (int c = col; c < col + covered; ++c) front(row, c) = unitAt(target, c).cells[0];
  if (asSpaces) advance(n);
  return col + n;
}

void Renderer::drawUnit(int row, int col, const Unit& u, std::string& out) {
  moveTo(row, col, out);
  const Cell& lead = u.cells[0];
  setColour(lead.fg, lead.bg, out);
  if (u.width == 1) {
    out += lead.byte;
    forgetNeighbours(row, col, 1);
    front(row, col) = lead;
    advance(1);
    return;
  }
  const Glyph& glyph =
      glyphs_.lookup(static_cast<unsigned char>(lead.byte), static_cast<unsigned char>(u.cells[1].byte));
  switch (glyph.kind) {
    case Glyph::Kind::Wide:
      out.append(glyph.utf8, glyph.length);
      advance(2);
      break;
    case Glyph::Kind::Uncertain: {
      // A terminal that gives the character one cell leaves the second as it
      // was, so it must already be blank; where the cursor ends up is known
      // only to the terminal.
      const Cell& second = front(row, col + 1);
      if (!(isBlank(second) && second.bg == u.cells[1].bg)) esc::eraseCells(out, 2);
      out.append(glyph.utf8, glyph.length);
      cursorKnown_ = false;
      break;
    }
    default:  // no conversion: "?" and a blank
      out += "? ";
      advance(2);
      break;
  }
  forgetNeighbours(row, col, 2);
  front(row, col) = u.cells[0];
  front(row, col + 1) = u.cells[1];
}

// A terminal that loses one half of a double-width character loses the other
// too: whatever stood next to the overwritten cells is no longer known.
void Renderer::forgetNeighbours(int row, int col, int cells) {
  if (front(row, col).half == Half::Trail && col > 0) front(row, col - 1) = kUnknown;
  const int last = col + cells - 1;
  if (front(row, last).half == Half::Lead && last + 1 < width_) front(row, last + 1) = kUnknown;
}

void Renderer::advance(int cells) {
  cursorCol_ += cells;
  // In the last column the terminal holds a pending wrap, and what a motion
  // does from there differs between terminals.
  if (cursorCol_ >= width_) cursorKnown_ = false;
}

void Renderer::moveTo(int row, int col, std::string& out) {
  if (cursorKnown_ && cursorRow_ == row && cursorCol_ == col) return;
  std::string best;
  esc::cursorTo(best, row, col);
  if (cursorKnown_) {
    std::string vertical;
    const int dr = row - cursorRow_;
    if (dr > 0) esc::cursorBy(vertical, dr, 'B');
    if (dr < 0) esc::cursorBy(vertical, -dr, 'A');
    auto consider = [&](std::string candidate, int fromCol) {
      if (candidate.size() >= best.size()) return;
      appendHorizontal(candidate, row, fromCol, col);
      if (candidate.size() < best.size()) best = std::move(candidate);
    };
    consider(vertical, cursorCol_);
    consider("\r" + vertical, 0);
    // A bare line feed means "down" to an emulator but "down and to column 0"
    // to a terminal that maps it to CR LF; the pair means the same to both.
    if (dr == 1) consider("\r\n", 0);
  }
  out += best;
  cursorKnown_ = true;
  cursorRow_ = row;
  cursorCol_ = col;
}

// Rightwards the cells in between may simply be written again, when they
// are plain characters in the colour already set.
void Renderer::appendHorizontal(std::string& out, int row, int from, int to) const {
  if (from == to) return;
  if (to < from) {
    const int n = from - to;
    if (n <= 3 + esc::countLength(n))
      out.append(static_cast<size_t>(n), '\b');
    else
      esc::cursorBy(out, n, 'D');
    return;
  }
  const int n = to - from;
  if (n < 3 + esc::countLength(n) && gapRewritable(row, from, to)) {
    for (int c = from; c < to; ++c) out += front(row, c).byte;
    return;
  }
  esc::cursorBy(out, n, 'C');
}

bool Renderer::gapRewritable(int row, int from, int to) const {
  if (fg_ < 0 || bg_ < 0) return false;
  for (int c = from; c < to; ++c) {
    const Cell& f = front(row, c);
    if (f.half != Half::Single || !printable(f.byte) || f.bg != bg_) return false;
    if (f.byte != ' ' && f.fg != fg_) return false;
  }
  return true;
}

// Sets the colours that differ; fg -1 when the foreground does not matter
// (blanks, erases).
void Renderer::setColour(int fg, int bg, std::string& out) {
  const bool setFg = fg >= 0 && fg != fg_;
  const bool setBg = bg != bg_;
  if (!setFg && !setBg) return;
  out += "\x1b[";
  if (setFg) out += std::to_string(sgrForeground(fg));
  if (setFg && setBg) out += ';';
  if (setBg) out += std::to_string(sgrBackground(bg));
  out += 'm';
  if (setFg) fg_ = fg;
  bg_ = bg;
}

}  // namespace vm
