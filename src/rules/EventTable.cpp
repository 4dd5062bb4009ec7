#include "rules/EventTable.h"

#include "main/SharedOps.h"

namespace vm {

std::vector<FixedCellEvent> fourSided(std::string_view mechanism, Cell cell, EventEffect effect) {
  const int r = cell.row;
  const int k = cell.col;
  return {
      keyed(mechanism, key::Right, {r, k - 1}, cell, true, effect),
      keyed(mechanism, key::Left, {r, k + 1}, cell, true, effect),
      keyed(mechanism, key::Down, {r - 1, k}, cell, true, effect),
      keyed(mechanism, key::Up, {r + 1, k}, cell, true, effect),
  };
}

std::vector<FixedCellEvent> concatenated(std::initializer_list<std::vector<FixedCellEvent>> groups) {
  std::vector<FixedCellEvent> events;
  for (const auto& group : groups) events.insert(events.end(), group.begin(), group.end());
  return events;
}

FixedCellEvent keyed(std::string_view mechanism, int key, Cell player, Cell cell, bool cellTest, EventEffect effect) {
  return {mechanism, key, player, cell, cellTest, nullptr, std::move(effect)};
}

FixedCellEvent anyKey(std::string_view mechanism, bool (*pending)(const Game&), EventEffect effect) {
  return {mechanism, std::nullopt, std::nullopt, std::nullopt, false, pending, std::move(effect)};
}

bool triggerHolds(const FixedCellEvent& e, const Game& g, int key) {
  if (e.key && *e.key != key) return false;
  if (e.player && !(e.player->row == g.x && e.player->col == g.y)) return false;
  if (e.cellTest && mapCell(g, *e.cell) != '?') return false;
  return e.pending == nullptr || e.pending(g);
}

// Checked access: a cell off the grid is a fault in a table, never a read
// past the map.
char& mapCell(Game& g, Cell cell) { return g.Map.at(static_cast<size_t>(cell.row)).at(static_cast<size_t>(cell.col)); }
char mapCell(const Game& g, Cell cell) {
  return g.Map.at(static_cast<size_t>(cell.row)).at(static_cast<size_t>(cell.col));
}

void fillRow(Game& g, int row, int fromCol, int toCol, char ch) {
  for (int col = fromCol; col <= toCol; ++col) mapCell(g, {row, col}) = ch;
}

void enterAndClear(Context& c, const Firing& f) {
  step(c, f.key);
  mapCell(c.g, f.mechanism) = ' ';
}

}  // namespace vm
