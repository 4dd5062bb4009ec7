#include "game/Game.h"

#include <algorithm>
#include <stdexcept>

#include "console/Gbk.h"

namespace vm {

namespace {

using MapRows = std::array<std::array<char, kRowBytes>, kRows>;

// The initial map converted to GBK once; every new game copies it.
const MapRows& initialMapGbk() {
  static const MapRows rows = [] {
    MapRows m{};
    for (int r = 0; r < kRows; ++r) {
      std::string row = gbk(kInitialMapUtf8[static_cast<size_t>(r)]);
      if (row.size() != static_cast<size_t>(kCols)) throw std::logic_error("initial map row is not 119 cells");
      std::copy(row.begin(), row.end(), m[static_cast<size_t>(r)].begin());
    }
    return m;
  }();
  return rows;
}

}  // namespace

Game::Game() : Map(initialMapGbk()) {}

}  // namespace vm
