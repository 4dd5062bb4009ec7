#include "console/ScreenModel.h"

#include <algorithm>

#include "console/Gbk.h"

namespace vm {

ScreenModel::ScreenModel(int width, int height)
    : width_(width),
      height_(height),
      cells_(static_cast<size_t>(width * height)),
      changes_(static_cast<size_t>(height)) {
  noteAllChanged();
}

void ScreenModel::clear() {
  Cell blank;
  blank.fg = fg_;
  blank.bg = bg_;
  std::fill(cells_.begin(), cells_.end(), blank);
  noteAllChanged();
  moveTo(0, 0);
}

void ScreenModel::moveTo(int col, int row) {
  col_ = col;
  row_ = row;
  pendingWrap_ = false;
  offGrid_ = col < 0 || row < 0 || col >= width_ || row >= height_;
}

void ScreenModel::setColor(int fg, int bg) {
  fg_ = static_cast<std::uint8_t>(fg & 0x0F);
  bg_ = static_cast<std::uint8_t>(bg & 0x0F);
}

void ScreenModel::lineFeed() {
  pendingWrap_ = false;
  col_ = 0;
  if (row_ + 1 < height_) {
    ++row_;
    return;
  }
  // Scroll: every row moves up one, the bottom row comes in blank.
  cells_.erase(cells_.begin(), cells_.begin() + width_);
  Cell blank;
  blank.fg = fg_;
  blank.bg = bg_;
  cells_.insert(cells_.end(), static_cast<size_t>(width_), blank);
  noteAllChanged();
}

void ScreenModel::wrapIfPending() {
  if (pendingWrap_) lineFeed();
}

void ScreenModel::noteChange(int col) {
  RowChange& ch = changes_[static_cast<size_t>(row_)];
  ch.first = std::min(ch.first, col);
  ch.last = std::max(ch.last, col);
}

void ScreenModel::noteAllChanged() { std::fill(changes_.begin(), changes_.end(), RowChange{0, width_ - 1}); }

void ScreenModel::forgetChanges() { std::fill(changes_.begin(), changes_.end(), RowChange{width_, -1}); }

// Before a cell is overwritten, the other half of a pair it belongs to is
// blanked: a lone half of a character never stays on screen. The cell
// itself is the caller's to write and to note.
void ScreenModel::unpairAround(int col) {
  Cell& c = at(col, row_);
  if (c.half == Half::Single) return;
  const int other = c.half == Half::Lead ? col + 1 : col - 1;
  if (other >= 0 && other < width_) {
    Cell& o = at(other, row_);
    o.byte = ' ';
    o.half = Half::Single;
    noteChange(other);
  }
  c.half = Half::Single;
}

void ScreenModel::setCell(int col, Cell cell) {
  unpairAround(col);
  at(col, row_) = cell;
  noteChange(col);
}

// A character whose first byte stays (another of the same GBK row) changes
// only its second cell.
void ScreenModel::setPair(int col, Cell lead, Cell trail) {
  const Cell oldLead = at(col, row_);
  const Cell oldTrail = at(col + 1, row_);
  unpairAround(col);
  unpairAround(col + 1);
  at(col, row_) = lead;
  at(col + 1, row_) = trail;
  if (lead != oldLead) noteChange(col);
  if (trail != oldTrail) noteChange(col + 1);
}

void ScreenModel::write(std::string_view text) {
  // Text at a position off the grid vanishes, line ends included, until the
  // position is set again.
  if (offGrid_) return;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '\n') {
      lineFeed();
      ++i;
      continue;
    }
    wrapIfPending();
    i = writeInRow(text, i);
  }
}

// The game draws its panel and talent box after every key, some 280 cells
// that nearly all hold what is written already. So this loop keeps the
// position in locals and only compares such cells; the few that change go
// through setCell and setPair, which keep pairs whole and note the change.
size_t ScreenModel::writeInRow(std::string_view text, size_t i) {
  Cell* const cells = &at(0, row_);
  const Cell blank{' ', fg_, bg_, Half::Single};
  int col = col_;
  while (i < text.size()) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    if (b >= 0x20 && b < 0x7F) {
      // Printable ASCII, most of what the game writes.
      Cell single = blank;
      single.byte = text[i];
      if (cells[col] != single) setCell(col, single);
      col += 1;
      i += 1;
    } else if (b == '\n') {
      break;
    } else if (gbkCharLength(text, i) == 2) {
      if (col == width_ - 1) {
        // A double-width character never splits across rows: the last
        // cell is blanked and the character starts the next row.
        if (cells[col] != blank) setCell(col, blank);
        lineFeed();
        return i;
      }
      Cell lead = blank;
      lead.byte = text[i];
      lead.half = Half::Lead;
      Cell trail = blank;
      trail.byte = text[i + 1];
      trail.half = Half::Trail;
      if (cells[col] != lead || cells[col + 1] != trail) setPair(col, lead, trail);
      col += 2;
      i += 2;
    } else {
      // A control byte or a byte that starts no valid character.
      Cell mark = blank;
      mark.byte = '?';
      if (cells[col] != mark) setCell(col, mark);
      col += 1;
      i += 1;
    }
    if (col >= width_) {
      // Deferred wrap: the next printable character moves to the next row.
      col_ = width_ - 1;
      pendingWrap_ = true;
      return i;
    }
  }
  col_ = col;
  return i;
}

std::string ScreenModel::rowBytes(int row) const {
  std::string s;
  s.reserve(static_cast<size_t>(width_));
  for (int c = 0; c < width_; ++c) s.push_back(cell(c, row).byte);
  return s;
}

std::string ScreenModel::rowText(int row) const {
  std::string s = rowBytes(row);
  size_t end = s.find_last_not_of(' ');
  s.resize(end == std::string::npos ? 0 : end + 1);
  return utf8(s);
}

}  // namespace vm
