#pragma once

#include <string>
#include <vector>

#include "console/Glyphs.h"
#include "console/ScreenModel.h"

namespace vm {

// Turns a ScreenModel into the VT100/xterm bytes that bring a terminal from
// what it shows to the model's picture. It remembers what the terminal shows
// (the front buffer), where its cursor is and which colour is set, sends
// only the cells that differ, and for each picks the cheapest cursor motion
// and blank erase.
//
// Every double-byte character fills exactly two cells whatever width the
// terminal gives it: for one whose width terminals disagree on, the second
// cell is erased first and the cursor is placed absolutely afterwards.
class Renderer {
 public:
  Renderer(int width, int height);

  // Appends the bytes to `out`. Only the cells the model reports changed
  // are compared, so a flush after a one-cell change costs almost nothing.
  void render(ScreenModel& model, std::string& out);
  // The terminal's picture, cursor and colour are no longer known (a Clear,
  // a resize, text written behind the renderer's back): the next render
  // erases the screen and paints every cell that is not blank.
  void invalidate();
  // The next render paints every cell anew (after a Clear); the terminal's
  // cursor and colour are still known.
  void repaintAll() { full_ = true; }
  // Rows the terminal has; model rows below them are not drawn. A terminal
  // that grows is painted anew.
  void setVisibleRows(int rows);

 private:
  using Cell = ScreenModel::Cell;
  // A model cell or a double-byte pair, as it is to be shown.
  struct Unit {
    int width;
    Cell cells[2];
  };

  Unit unitAt(const Cell* row, int col) const;
  bool shows(int row, int col, const Unit& u) const;
  void eraseAll(const ScreenModel& model, std::string& out);
  void renderRow(const ScreenModel& model, int row, int first, int last, std::string& out);
  int eraseRun(const Cell* target, int row, int col, std::string& out);
  void drawUnit(int row, int col, const Unit& u, std::string& out);
  void moveTo(int row, int col, std::string& out);
  void appendHorizontal(std::string& out, int row, int from, int to) const;
  bool gapRewritable(int row, int from, int to) const;
  void setColour(int fg, int bg, std::string& out);
  void advance(int cells);
  void forgetNeighbours(int row, int col, int cells);
  Cell& front(int row, int col) { return front_[static_cast<size_t>(row * width_ + col)]; }
  const Cell& front(int row, int col) const { return front_[static_cast<size_t>(row * width_ + col)]; }

  int width_;
  int height_;
  int visibleRows_;
  std::vector<Cell> front_;
  bool full_ = true;
  bool cursorKnown_ = false;
  int cursorRow_ = 0;
  int cursorCol_ = 0;
  int fg_ = -1;  // colours set on the terminal; -1 unknown
  int bg_ = -1;
  GlyphCache glyphs_;
};

}  // namespace vm
