#include "screens/StatusPanel.h"

#include "console/Gbk.h"

namespace vm {

namespace {

// One panel row: the template fills the frame (none for the two counts,
// which therefore leave old digits behind a shorter number), then the label
// and the value, and a unit where it has one.
struct PanelRow {
  int row;
  const char* templateUtf8;  // nullptr: no template
  const char* labelUtf8;
  int Game::*value;
  const char* unitUtf8;
};

const PanelRow kPanelRows[] = {
    {2, "| HP:             |", "| HP:", &Game::HP, ""},
    {3, "| ATK:            |", "| ATK:", &Game::ATK, ""},
    {4, "| DEF:            |", "| DEF:", &Game::DEF, ""},
    {5, "| 1号钥匙:        |", "| 1号钥匙:", &Game::FirstKey, ""},
    {6, "| 2号钥匙:        |", "| 2号钥匙:", &Game::SecondKey, ""},
    {7, "| 3号钥匙:        |", "| 3号钥匙:", &Game::ThirdKey, ""},
    {8, nullptr, "| 武器:", &Game::Weapons, "个"},
    {9, nullptr, "| 防具:", &Game::Armor, "个"},
    {10, "| 金钱:           |", "| 金钱:", &Game::GOLD, ""},
};

// The name's colour and suffix by `ks`; any other value shows no name.
struct NameStyle {
  int ks;
  int colour;
  const char* suffixUtf8;
};

const NameStyle kNameStyles[] = {
    {-1, 4, "-[红名]"},
    {0, 1, "-[蓝名]"},
    {1, 5, "-[紫名]"},
};

}  // namespace

void drawStatusPanel(const Game& g, Console& con) {
  con.Cout(0, 1, "| ");
  for (const NameStyle& s : kNameStyles) {
    if (g.ks != s.ks) continue;
    con.color(s.colour);
    con.Print(g.name + gbk(s.suffixUtf8));
    con.color(7);
  }
  for (const PanelRow& r : kPanelRows) {
    if (r.templateUtf8) con.Cout(0, r.row, gbk(r.templateUtf8));
    con.Cout(0, r.row, gbk(r.labelUtf8) + inttostr(g.*r.value) + gbk(r.unitUtf8));
  }
}

}  // namespace vm
