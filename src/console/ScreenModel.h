#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

// What a console shows: a grid of cells, each holding one GBK byte and a
// colour, plus the output position shared by cell writes and the standard
// output stream. A double-byte character owns two cells (lead, trail);
// overwriting either half blanks the other, so no orphaned half remains.
//
// Writing follows a terminal with deferred wrap: a character written into
// the last column leaves the position there with a wrap pending, and only
// the next printable character moves to the next row; a line end taken
// while a wrap is pending just moves down once. Moving below the last row
// scrolls the grid up.
class ScreenModel {
 public:
  enum class Half : std::uint8_t { Single, Lead, Trail };

  struct Cell {
    char byte = ' ';
    std::uint8_t fg = 7;
    std::uint8_t bg = 0;
    Half half = Half::Single;
    bool operator==(const Cell&) const = default;
  };

  ScreenModel(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  // Blanks every cell in the current colour and moves to column 0, row 0.
  void clear();
  // Moves the output position; a position off the grid makes later text
  // vanish until the position is set again.
  void moveTo(int col, int row);
  // Writes GBK text from the output position. '\n' ends the line; control
  // bytes and bytes that are not valid GBK show as "?".
  void write(std::string_view gbkText);
  void setColor(int fg, int bg);

  int col() const { return col_; }
  int row() const { return row_; }
  int fg() const { return fg_; }
  int bg() const { return bg_; }

  const Cell& cell(int col, int row) const { return cells_[static_cast<size_t>(row * width_ + col)]; }

  // The bytes of one row as stored (GBK), blanks included.
  std::string rowBytes(int row) const;
  // The row converted to UTF-8, trailing blanks removed.
  std::string rowText(int row) const;

  // Rows written since the last call; the renderer repaints only these.
  std::vector<bool> takeDirtyRows();
  void markAllDirty();

 private:
  Cell& at(int col, int row) { return cells_[static_cast<size_t>(row * width_ + col)]; }
  void putCell(int col, char byte, Half half);
  void unpairAround(int col);
  void lineFeed();
  void wrapIfPending();

  int width_;
  int height_;
  std::vector<Cell> cells_;
  std::vector<bool> dirty_;
  int col_ = 0;
  int row_ = 0;
  bool pendingWrap_ = false;
  bool offGrid_ = false;
  std::uint8_t fg_ = 7;
  std::uint8_t bg_ = 0;
};

}  // namespace vm
