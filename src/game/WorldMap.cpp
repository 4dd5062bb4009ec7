#include "game/WorldMap.h"

#include <string>

#include "game/Arith.h"

namespace vm {

namespace {

// The "00" of the three shop prices stays visible: rows 25 to 27, columns
// 105 and 106 are printed as they are.
bool isShopPriceCell(int row, int col) { return row >= 25 && row <= 27 && (col == 105 || col == 106); }

struct Cell {
  int row;
  int col;
};

// Walls printed over passages that are open in the map.
constexpr Cell kColumn32Passages[] = {{27, 32}, {28, 32}};
constexpr Cell kUpperKeyRoomDoor[] = {{7, 20}, {7, 21}, {7, 22}};

void setCells(Game& g, const Cell* begin, const Cell* end, char c) {
  for (const Cell* p = begin; p != end; ++p) g.Map[static_cast<size_t>(p->row)][static_cast<size_t>(p->col)] = c;
}

}  // namespace

void mapPrint(Game& g, Console& con) {
  std::string line;
  line.reserve(kCols + 1);
  for (int r = 0; r < kRows; ++r) {
    line.clear();
    for (int k = 0; k < kCols; ++k) {
      char cell = g.Map[static_cast<size_t>(r)][static_cast<size_t>(k)];
      if (!isShopPriceCell(r, k) && cell == '0') {
        g.si0 = 1;  // a death wall is being printed as a blank
        line.push_back(' ');
        g.si0 = 0;
      } else {
        line.push_back(cell);
      }
    }
    line.push_back('\n');
    con.Print(line);
  }
}

void applyStartupPatch(Game& g) {
  g.HP = satAdd(g.HP, 45);
  g.Map[5][62] = 'b';
  for (int col : {86, 87, 88, 94, 95, 96}) g.Map[1][static_cast<size_t>(col)] = 'b';
  g.Map[1][91] = '+';
  for (int col : {26, 27, 28}) g.Map[10][static_cast<size_t>(col)] = '+';
}

void applyWallOverlays(Game& g) {
  setCells(g, std::begin(kColumn32Passages), std::end(kColumn32Passages), '#');
  if (g.mmm == 1) setCells(g, std::begin(kUpperKeyRoomDoor), std::end(kUpperKeyRoomDoor), '#');
}

void removeWallOverlays(Game& g) {
  setCells(g, std::begin(kColumn32Passages), std::end(kColumn32Passages), ' ');
  if (g.mmm == 1) setCells(g, std::begin(kUpperKeyRoomDoor), std::end(kUpperKeyRoomDoor), ' ');
}

void applyKeyRoomPattern(Game& g) {
  if (g.Wen1 != 1) return;
  static constexpr char kRow7[] = "1C1C1C1C1?";
  static constexpr char kRow8[] = "C2C2C2C2C2";
  for (int i = 0; i < 10; ++i) {
    g.Map[7][static_cast<size_t>(24 + i)] = kRow7[i];
    g.Map[8][static_cast<size_t>(24 + i)] = kRow8[i];
  }
}

}  // namespace vm
