#include "rules/PanelValueRow.h"

#include "console/Gbk.h"

namespace vm {

namespace {

struct PanelValueRow {
  int row;
  const char* templateUtf8;
  const char* labelUtf8;
  int Game::*value;
};

const PanelValueRow kPanelValueRows[] = {
    {2, "| HP:             |", "| HP:", &Game::HP},
    {3, "| ATK:            |", "| ATK:", &Game::ATK},
    {4, "| DEF:            |", "| DEF:", &Game::DEF},
};

}  // namespace

void redrawPanelValue(const Game& g, Console& con, int row) {
  for (const PanelValueRow& r : kPanelValueRows) {
    if (r.row != row) continue;
    con.Cout(0, r.row, gbk(r.templateUtf8));
    con.Cout(0, r.row, gbk(r.labelUtf8) + inttostr(g.*r.value) + "   ");
  }
}

}  // namespace vm
