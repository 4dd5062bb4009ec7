#pragma once

#include <array>

namespace vm {

// One row per monster letter. The table never changes during a run; the
// fight reads HP, ATK and GOLD, the help screen shows all four.
struct Monster {
  char letter;
  int HP;
  int ATK;
  int DEF;
  int GOLD;
};

//                                      letter     HP   ATK   DEF   GOLD
inline constexpr std::array<Monster, 11> kMonsters = {{
    {'a', 30, 15, 4, 1},
    {'b', 56, 24, 7, 2},
    {'c', 500, 25, 15, 6},
    {'d', 160, 97, 16, 8},
    {'e', 600, 999, 70, 100},
    {'A', 70, 22, 8, 3},
    {'B', 48, 181, 0, 5},
    {'C', 30, 999, 0, 8},
    {'D', 300, 666, 50, 100},
    {'E', 900, 1000, 100, 300},
    {'M', 100000, 5000, 5000, 10000},  // the boss
}};

// The row of `letter`, or nullptr when no monster has that letter.
inline const Monster* findMonster(char letter) {
  for (const Monster& m : kMonsters)
    if (m.letter == letter) return &m;
  return nullptr;
}

}  // namespace vm
