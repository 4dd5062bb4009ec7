#include "rules/UpperBandEvents.h"

#include "game/Arith.h"
#include "main/SharedOps.h"

namespace vm {

namespace {

constexpr Cell kHalvingTrap{1, 31};
constexpr Cell kExchangeCell{1, 98};
constexpr Cell kKeyRoomSwitch{10, 21};
constexpr Cell kKeyRoomExit{7, 33};

// Halves every panel value; the per-kind equipment counts stay whole, so
// the fight bonuses survive while the panel shows fewer weapons.
void halvingTrap(Context& c, const Firing& f) {
  enterAndClear(c, f);
  Game& g = c.g;
  for (int* v : {&g.HP, &g.ATK, &g.DEF, &g.FirstKey, &g.SecondKey, &g.ThirdKey, &g.Weapons, &g.Armor, &g.GOLD}) {
    *v = halve(*v);
  }
  g.GAMEOVER = '?';
}

// Hit points for everything else. It opens the top border above the
// halving trap, so the trap can then be reached from above. No cause code:
// a death here shows the cause already in force.
void exchangeCell(Context& c, const Firing& f) {
  enterAndClear(c, f);
  Game& g = c.g;
  if (g.tf == 2) g.HP = satSub(g.HP, 93);
  g.HP = satMul(g.HP, 10);
  g.ATK = satAdd(g.ATK, 5);
  g.DEF = satAdd(g.DEF, 5);
  for (int* v : {&g.FirstKey, &g.SecondKey, &g.ThirdKey, &g.Weapons, &g.Armor, &g.GOLD}) *v = 0;
  fillRow(g, 0, 31, 33, ' ');
}

// Arms the key room: draws its pattern, opens the lower door. Wen1 makes
// every full redraw refill the room until the exit is taken.
void keyRoomSwitch(Context& c, const Firing& f) {
  enterAndClear(c, f);
  static constexpr char kRow7[] = "1C1C1C1C1?";
  static constexpr char kRow8[] = "C2C2C2C2C2";
  c.con.Cout(24, 7, kRow7);
  c.con.Cout(24, 8, kRow8);
  c.con.Cout(20, 9, "   ");
  c.g.Wen1 = 1;
  fillRow(c.g, 9, 20, 22, ' ');
  for (int i = 0; i < 10; ++i) {
    mapCell(c.g, {7, 24 + i}) = kRow7[i];
    mapCell(c.g, {8, 24 + i}) = kRow8[i];
  }
}

// Opens the upper door for good; mmm keeps it printed as a wall.
void keyRoomExit(Context& c, const Firing& f) {
  step(c, f.key);
  c.con.Cout(20, 7, "   ");
  fillRow(c.g, 7, 20, 22, ' ');
  mapCell(c.g, f.mechanism) = ' ';
  c.g.Wen1 = 0;
  c.g.mmm = 1;
  c.g.HP = satAdd(c.g.HP, 500);
}

}  // namespace

std::vector<FixedCellEvent> upperBandEvents() {
  // The first three mechanisms have no cell test: once their cell is blank
  // the blank-cell rule takes the move before them. All four sides of the
  // halving trap trigger, though the cell to its right is a wall and the
  // one above is the top border until the exchange cell opens it.
  // clang-format off
  return {
      //    mechanism          key         player     mechanism's cell  "?" test  effect
      keyed("halving trap",    key::Right, {1, 30},   kHalvingTrap,     false,    halvingTrap),
      keyed("halving trap",    key::Left,  {1, 32},   kHalvingTrap,     false,    halvingTrap),
      keyed("halving trap",    key::Down,  {0, 31},   kHalvingTrap,     false,    halvingTrap),
      keyed("halving trap",    key::Up,    {2, 31},   kHalvingTrap,     false,    halvingTrap),
      keyed("exchange cell",   key::Right, {1, 97},   kExchangeCell,    false,    exchangeCell),
      keyed("key-room switch", key::Left,  {10, 22},  kKeyRoomSwitch,   false,    keyRoomSwitch),
      keyed("key-room exit",   key::Up,    {8, 33},   kKeyRoomExit,     true,     keyRoomExit),
      keyed("key-room exit",   key::Right, {7, 32},   kKeyRoomExit,     true,     keyRoomExit),
  };
  // clang-format on
}

}  // namespace vm
