#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
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
    // Four bytes without padding, so equal cells are equal words. The model
    // and the renderer compare hundreds of cells after every key, and one
    // word comparison is much cheaper than four byte comparisons.
    bool operator==(const Cell& other) const {
      return std::bit_cast<std::uint32_t>(*this) == std::bit_cast<std::uint32_t>(other);
    }
  };
  static_assert(sizeof(Cell) == sizeof(std::uint32_t) && std::has_unique_object_representations_v<Cell>);

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

  // The columns of one row whose cells changed, first to last; none when
  // first > last. A write of what a cell already holds is no change, so
  // most of the panel, drawn again after every key, is none.
  struct RowChange {
    int first;
    int last;
    bool any() const { return first <= last; }
  };
  // What changed in each row since forgetChanges(); the renderer compares
  // only these cells with the terminal.
  const RowChange& change(int row) const { return changes_[static_cast<size_t>(row)]; }
  void forgetChanges();

 private:
  Cell& at(int col, int row) { return cells_[static_cast<size_t>(row * width_ + col)]; }
  // Write a cell or a character that differs from what the row holds,
  // blanking the other half of any pair it breaks, and note the change.
  void setCell(int col, Cell cell);
  void setPair(int col, Cell lead, Cell trail);
  void unpairAround(int col);
  void noteChange(int col);
  void noteAllChanged();
  void lineFeed();
  void wrapIfPending();
  size_t writeInRow(std::string_view text, size_t i);

  int width_;
  int height_;
  std::vector<Cell> cells_;
  std::vector<RowChange> changes_;
  int col_ = 0;
  int row_ = 0;
  bool pendingWrap_ = false;
  bool offGrid_ = false;
  std::uint8_t fg_ = 7;
  std::uint8_t bg_ = 0;
};

}  // namespace vm
