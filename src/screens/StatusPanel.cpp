#include "screens/StatusPanel.h"

#include <string>
#include <vector>

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

// The two tables with their texts in GBK. The panel is drawn after every
// key, so the texts are converted once, on the first draw.
struct GbkPanelRow {
  int row;
  std::string templateText;  // empty: no template
  std::string label;
  int Game::*value;
  std::string unit;
};

struct GbkNameStyle {
  int ks;
  int colour;
  std::string suffix;
};

const std::vector<GbkPanelRow>& panelRows() {
  static const std::vector<GbkPanelRow> rows = [] {
    std::vector<GbkPanelRow> out;
    for (const PanelRow& r : kPanelRows)
      out.push_back({r.row, r.templateUtf8 ? gbk(r.templateUtf8) : "", gbk(r.labelUtf8), r.value, gbk(r.unitUtf8)});
    return out;
  }();
  return rows;
}

const std::vector<GbkNameStyle>& nameStyles() {
  static const std::vector<GbkNameStyle> styles = [] {
    std::vector<GbkNameStyle> out;
    for (const NameStyle& s : kNameStyles) out.push_back({s.ks, s.colour, gbk(s.suffixUtf8)});
    return out;
  }();
  return styles;
}

}  // namespace

void drawStatusPanel(const Game& g, Console& con) {
  con.Cout(0, 1, "| ");
  for (const GbkNameStyle& s : nameStyles()) {
    if (g.ks != s.ks) continue;
    con.color(s.colour);
    con.Print(g.name);
    con.Print(s.suffix);
    con.color(7);
  }
  for (const GbkPanelRow& r : panelRows()) {
    if (!r.templateText.empty()) con.Cout(0, r.row, r.templateText);
    std::string line = r.label;
    line += inttostr(g.*r.value);
    line += r.unit;
    con.Cout(0, r.row, line);
  }
}

}  // namespace vm
