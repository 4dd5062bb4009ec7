#include "rules/TileRules.h"

#include <optional>

#include "game/Arith.h"
#include "main/SharedOps.h"
#include "rules/Combat.h"
#include "rules/Equipment.h"

namespace vm {

namespace {

// How a rule moves the player: one cell by `step`, or two cells across a
// one-way door, which leaves the door as it is and neither tests nor
// changes the cell the player lands on.
enum class Move { Step, Leap };

constexpr int kAnyArrow = 0;

// One row per character, in the order the game tries them. `arrow` is
// kAnyArrow for the rules that hold in all four directions. A door needs at
// least one key of its number (`keyNeeded`). A cleared cell becomes floor
// in the map; nothing is drawn for it, since "&" already covers it.
struct TileRule {
  char cell;
  int arrow;
  int Game::*keyNeeded;
  Move move;
  bool clears;
  void (*effect)(Context&, char cell);
};

void nothing(Context&, char) {}

template <int Game::*Value, int Amount>
void add(Context& c, char) {
  c.g.*Value = satAdd(c.g.*Value, Amount);
}

// The player stands on the death wall, which stays; the game ends at the
// turn end whatever the hit points were.
void deathWall(Context& c, char) {
  c.g.GAMEOVER = '0';
  c.g.HP = 0;
}

void fightHere(Context& c, char letter) {
  if (const Monster* m = findMonster(letter)) fight(c.g, *m);
}

void pickUpHere(Context& c, char tile) {
  if (const EquipmentItem* item = findEquipment(tile)) pickUp(c.g, *item);
}

// clang-format off
const TileRule kTileRules[] = {
    // cell arrow       key needed         move         clears  effect
    {' ',  kAnyArrow,   nullptr,           Move::Step,  false,  nothing},
    {'1',  kAnyArrow,   nullptr,           Move::Step,  true,   add<&Game::FirstKey, 1>},
    {'!',  kAnyArrow,   &Game::FirstKey,   Move::Step,  true,   add<&Game::FirstKey, -1>},
    {'2',  kAnyArrow,   nullptr,           Move::Step,  true,   add<&Game::SecondKey, 1>},
    {'@',  kAnyArrow,   &Game::SecondKey,  Move::Step,  true,   add<&Game::SecondKey, -1>},
    {'3',  kAnyArrow,   nullptr,           Move::Step,  true,   add<&Game::ThirdKey, 1>},
    {'%',  kAnyArrow,   &Game::ThirdKey,   Move::Step,  true,   add<&Game::ThirdKey, -1>},
    {'a',  kAnyArrow,   nullptr,           Move::Step,  true,   fightHere},
    {'b',  kAnyArrow,   nullptr,           Move::Step,  true,   fightHere},
    {'c',  kAnyArrow,   nullptr,           Move::Step,  true,   fightHere},
    {'d',  kAnyArrow,   nullptr,           Move::Step,  true,   fightHere},
    {'e',  kAnyArrow,   nullptr,           Move::Step,  true,   fightHere},
    {'A',  kAnyArrow,   nullptr,           Move::Step,  true,   fightHere},
    {'B',  kAnyArrow,   nullptr,           Move::Step,  true,   fightHere},
    {'C',  kAnyArrow,   nullptr,           Move::Step,  true,   fightHere},
    {'D',  kAnyArrow,   nullptr,           Move::Step,  true,   fightHere},
    {'E',  kAnyArrow,   nullptr,           Move::Step,  true,   fightHere},
    {'M',  kAnyArrow,   nullptr,           Move::Step,  true,   fightHere},
    {'+',  kAnyArrow,   nullptr,           Move::Step,  true,   add<&Game::HP, 200>},
    {']',  kAnyArrow,   nullptr,           Move::Step,  true,   add<&Game::DEF, 2>},
    {'*',  kAnyArrow,   nullptr,           Move::Step,  true,   add<&Game::ATK, 2>},
    {'0',  kAnyArrow,   nullptr,           Move::Step,  false,  deathWall},
    {'U',  kAnyArrow,   nullptr,           Move::Step,  true,   pickUpHere},
    {'V',  kAnyArrow,   nullptr,           Move::Step,  true,   pickUpHere},
    {'W',  kAnyArrow,   nullptr,           Move::Step,  true,   pickUpHere},
    {'X',  kAnyArrow,   nullptr,           Move::Step,  true,   pickUpHere},
    {'Y',  kAnyArrow,   nullptr,           Move::Step,  true,   pickUpHere},
    {'Z',  kAnyArrow,   nullptr,           Move::Step,  true,   pickUpHere},
    {')',  key::Right,  nullptr,           Move::Leap,  false,  nothing},
    {'(',  key::Left,   nullptr,           Move::Leap,  false,  nothing},
};
// clang-format on

char& mapCell(Game& g, int row, int col) { return g.Map[static_cast<size_t>(row)][static_cast<size_t>(col)]; }

void leap(Context& c, const Direction& d) {
  c.con.Cout(c.g.y, c.g.x, " ");
  c.g.x += 2 * d.dRow;
  c.g.y += 2 * d.dCol;
  c.con.Cout(c.g.y, c.g.x, "&");
}

}  // namespace

bool runTileRules(Context& c, int key) {
  std::optional<Direction> d = directionOf(key);
  if (!d) return false;
  // Only a position on the grid's edge has a neighbour off the grid: no
  // cell there, so no rule. The start-up puts the player on the grid and
  // every move keeps it there; the first test only keeps the sums defined.
  if (!Game::onGrid(c.g.x, c.g.y)) return false;
  int row = c.g.x + d->dRow;
  int col = c.g.y + d->dCol;
  if (!Game::onGrid(row, col)) return false;
  const char target = mapCell(c.g, row, col);
  for (const TileRule& r : kTileRules) {
    if (r.cell != target) continue;
    if (r.arrow != kAnyArrow && r.arrow != key) continue;
    if (r.keyNeeded && c.g.*r.keyNeeded < 1) continue;
    if (r.move == Move::Leap) {
      // A landing beyond the grid would put the player nowhere.
      if (!Game::onGrid(c.g.x + 2 * d->dRow, c.g.y + 2 * d->dCol)) return false;
      leap(c, *d);
    } else {
      step(c, key);
    }
    if (r.clears) mapCell(c.g, row, col) = ' ';
    r.effect(c, target);
    return true;
  }
  return false;
}

}  // namespace vm
