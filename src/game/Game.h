#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/InitialMap.h"

namespace vm {

inline constexpr int kItemCapacity = 100;  // entries 1..100 of qt

// The whole state of one game under the names the game has always used.
// A rule is a function of this value; a test builds a fresh one.
struct Game {
  // Player values.
  std::string name;  // GBK
  int ks = 0;
  int HP = 100;
  int ATK = 10;
  int DEF = 10;
  int GOLD = 0;
  int FirstKey = 0;
  int SecondKey = 0;
  int ThirdKey = 0;
  int Weapons = 0;
  int Armor = 0;
  int x = 1;   // row
  int y = 20;  // column

  // Talent.
  int tf = -1;
  int zb = 3;
  int zd = 0;

  // Equipment counts and the other-items list.
  int tj = 0, jj = 0, sj = 0;
  int td = 0, jd = 0, sd = 0;
  std::array<std::string, kItemCapacity + 1> qt{};  // entries 1..qt_tot, GBK
  int qt_tot = 0;
  // Lines of the item file past the hundredth: never shown or used, but
  // written back by every save so that nothing the archive held is lost.
  std::vector<std::string> qtOverflow;

  // Map-state flags and counters.
  int si0 = 0;
  int mmm = 0;
  int Wen1 = 0;
  int bz = 0;
  int bzcs = 0;

  // Screen flags and the cause code of the last harmful event.
  int jjj = 0;
  int jjjj = 0;
  char GAMEOVER = 0;

  // The world: Map[x][y], x the row, y the column; GBK bytes.
  std::array<std::array<char, kRowBytes>, kRows> Map{};

  // A fresh game: initial values and the initial map.
  Game();

  // True when (row, col) lies on the grid (rows 0..36, columns 0..118).
  static bool onGrid(int row, int col) { return row >= 0 && row < kRows && col >= 0 && col < kCols; }
};

}  // namespace vm
