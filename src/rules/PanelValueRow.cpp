#include "rules/PanelValueRow.h"

#include <string>
#include <vector>

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

// kPanelValueRows with its texts in GBK, converted once: the heal redraws
// three rows every time it is used.
struct GbkPanelValueRow {
  int row;
  std::string templateText;
  std::string label;
  int Game::*value;
};

const std::vector<GbkPanelValueRow>& gbkPanelValueRows() {
  static const std::vector<GbkPanelValueRow> rows = [] {
    std::vector<GbkPanelValueRow> out;
    for (const PanelValueRow& r : kPanelValueRows)
      out.push_back({r.row, gbk(r.templateUtf8), gbk(r.labelUtf8), r.value});
    return out;
  }();
  return rows;
}

}  // namespace

void redrawPanelValue(const Game& g, Console& con, int row) {
  for (const GbkPanelValueRow& r : gbkPanelValueRows()) {
    if (r.row != row) continue;
    con.Cout(0, r.row, r.templateText);
    std::string line = r.label;
    line += inttostr(g.*r.value);
    line += "   ";
    con.Cout(0, r.row, line);
  }
}

}  // namespace vm
