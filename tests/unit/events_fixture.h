#pragma once

#include <ostream>

#include "main/RuleChain.h"
#include "rules/EventTable.h"
#include "support/GameFixture.h"

namespace vm::test {

// A fresh game with the player put straight onto a cell, as a loaded
// position would put them, and keys pressed through the rule chain.
class EventsTest : public GameFixture {
 protected:
  void placeAt(Cell p) {
    g.x = p.row;
    g.y = p.col;
  }
  // The key through the rule chain (tile rules, then events).
  bool press(int key) { return runRuleChain(ctx, key); }
  bool pressFrom(Cell p, int key) {
    placeAt(p);
    return press(key);
  }
  Cell player() const { return {g.x, g.y}; }
  char cellAt(Cell p) const { return cell(p.row, p.col); }
  void setCellAt(Cell p, char ch) { setCell(p.row, p.col, ch); }
};

}  // namespace vm::test

namespace vm {
// Failure messages name cells as (row,column).
inline std::ostream& operator<<(std::ostream& os, const Cell& c) { return os << "(" << c.row << "," << c.col << ")"; }
}  // namespace vm
