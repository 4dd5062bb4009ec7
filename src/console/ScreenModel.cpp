#include "console/ScreenModel.h"

#include "console/Gbk.h"

namespace vm {

ScreenModel::ScreenModel(int width, int height)
    : width_(width),
      height_(height),
      cells_(static_cast<size_t>(width * height)),
      dirty_(static_cast<size_t>(height), true) {}

void ScreenModel::clear() {
  Cell blank;
  blank.fg = fg_;
  blank.bg = bg_;
  std::fill(cells_.begin(), cells_.end(), blank);
  std::fill(dirty_.begin(), dirty_.end(), true);
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
  std::fill(dirty_.begin(), dirty_.end(), true);
}

void ScreenModel::wrapIfPending() {
  if (pendingWrap_) lineFeed();
}

// Before a cell is overwritten, the other half of a pair it belongs to is
// blanked: a lone half of a character never stays on screen.
void ScreenModel::unpairAround(int col) {
  Cell& c = at(col, row_);
  if (c.half == Half::Lead && col + 1 < width_) {
    Cell& t = at(col + 1, row_);
    t.byte = ' ';
    t.half = Half::Single;
  } else if (c.half == Half::Trail && col > 0) {
    Cell& l = at(col - 1, row_);
    l.byte = ' ';
    l.half = Half::Single;
  }
  c.half = Half::Single;
}

void ScreenModel::putCell(int col, char byte, Half half) {
  Cell& c = at(col, row_);
  c.byte = byte;
  c.fg = fg_;
  c.bg = bg_;
  c.half = half;
  dirty_[static_cast<size_t>(row_)] = true;
}

void ScreenModel::write(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    if (b == '\n') {
      if (!offGrid_) lineFeed();
      ++i;
      continue;
    }
    int len = gbkCharLength(text, i);
    bool wide = len == 2;
    char shown = (b < 0x20 || b == 0x7F || len == 0) ? '?' : text[i];
    i += wide ? 2 : 1;
    if (offGrid_) continue;
    wrapIfPending();
    if (wide && col_ == width_ - 1) {
      // A double-width character never splits across rows.
      unpairAround(col_);
      putCell(col_, ' ', Half::Single);
      lineFeed();
    }
    if (wide) {
      unpairAround(col_);
      unpairAround(col_ + 1);
      putCell(col_, shown, Half::Lead);
      putCell(col_ + 1, text[i - 1], Half::Trail);
      col_ += 2;
    } else {
      unpairAround(col_);
      putCell(col_, shown, Half::Single);
      col_ += 1;
    }
    if (col_ >= width_) {
      col_ = width_ - 1;
      pendingWrap_ = true;
    }
  }
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

std::vector<bool> ScreenModel::takeDirtyRows() {
  std::vector<bool> out(static_cast<size_t>(height_), false);
  out.swap(dirty_);
  return out;
}

void ScreenModel::markAllDirty() { std::fill(dirty_.begin(), dirty_.end(), true); }

}  // namespace vm
