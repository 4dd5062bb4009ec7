#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "game/Context.h"

namespace vm {

// A cell of the map: row first, column second, as in Map[row][col].
struct Cell {
  int row;
  int col;
  bool operator==(const Cell&) const = default;
};

// What an effect learns about the trigger that fired it.
struct Firing {
  int key;         // the arrow key that fired (any key for the opening rule)
  Cell mechanism;  // the mechanism's own cell; unused by the opening rule
};

using EventEffect = std::function<void(Context&, const Firing&)>;

// One trigger of a fixed-cell event and the effect it runs. A mechanism
// with several triggers has one row per trigger, all sharing the effect.
struct FixedCellEvent {
  std::string_view mechanism;    // what the row belongs to, for readers and failure messages
  std::optional<int> key;        // arrow key; none only for the opening rule
  std::optional<Cell> player;    // the player's cell before the move
  std::optional<Cell> cell;      // the mechanism's cell, which the key points at
  bool cellTest;                 // fires only while `cell` still holds "?"
  bool (*pending)(const Game&);  // a further condition on the game, or null
  EventEffect effect;
};

// The four triggers of a four-sided mechanism, each with the cell test, in
// the order the game tries them: Right, Left, Down, Up. Each comes from the
// neighbour the key moves away from, whether or not that neighbour can be
// stood on.
std::vector<FixedCellEvent> fourSided(std::string_view mechanism, Cell cell, EventEffect effect);

// The groups one after the other, each in its own order.
std::vector<FixedCellEvent> concatenated(std::initializer_list<std::vector<FixedCellEvent>> groups);

// One keyed trigger; its key points from `player` at `cell`.
FixedCellEvent keyed(std::string_view mechanism, int key, Cell player, Cell cell, bool cellTest, EventEffect effect);

// A rule of the chain that tests no key, no position and no cell, only
// `pending` on the game: it takes any key that reaches it.
FixedCellEvent anyKey(std::string_view mechanism, bool (*pending)(const Game&), EventEffect effect);

// True when the event's trigger holds for this key and game.
bool triggerHolds(const FixedCellEvent& e, const Game& g, int key);

// The map cell; every cell an event names lies on the grid.
char& mapCell(Game& g, Cell cell);
char mapCell(const Game& g, Cell cell);

// Writes `ch` into row `row`, columns `fromCol` to `toCol`.
void fillRow(Game& g, int row, int fromCol, int toCol, char ch);

// The body form of most events: `step` into the mechanism's cell, then
// blank it in the map. Nothing is drawn for the blanking: "&" covers it.
void enterAndClear(Context& c, const Firing& f);

}  // namespace vm
