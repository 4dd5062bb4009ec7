#include "rules/TalentBox.h"

#include <array>

#include "console/Gbk.h"

namespace vm {

namespace {

// One box per talent. Row 11 is a function because the self-destruct box
// shows its charges there; every line is 19 cells wide.
struct TalentBox {
  int tf;
  std::string (*row11)(const Game&);
  std::array<const char*, 4> rows12to15Utf8;
};

const TalentBox kTalentBoxes[] = {
    {0,
     [](const Game&) { return gbk("| 天赋:治愈       |"); },
     {"| 花费1ATK和1DEF  |", "| 提升10HP        |", "| ATK>0并且DEF>0  |", "| 即可使用        |"}},
    {1,
     [](const Game& g) { return selfDestructTitle(g.zb); },
     {"| 将HP化为1,摧毁  |", "| 以自身为中心的  |", "| 5*7区域         |", "| HP>=70即可使用  |"}},
    {2,
     [](const Game&) { return gbk("| 天赋:中毒       |"); },
     {"| 加油吧!年轻人   |", "| 希望你能抗毒哦  |", "| 走一步,掉一滴血 |", "|(每掉十滴有惊喜!)|"}},
    {3,
     [](const Game&) { return gbk("| 天赋:无         |"); },
     {"|                 |", "|                 |", "|                 |", "|                 |"}},
    {4,
     [](const Game&) { return gbk("| 天赋:无         |"); },
     {"|                 |", "|                 |", "|                 |", "|                 |"}},
    {5,
     [](const Game&) { return gbk("| 天赋:战神降临   |"); },
     {"| 条件:HP>5000    |", "| [不然会死]      |", "| ATK+99999,DEF=0 |", "| HP+5000         |"}},
};

}  // namespace

std::string selfDestructTitle(int zb) { return gbk("| 天赋:自爆(") + inttostr(zb) + gbk("次)  |"); }

std::optional<std::vector<std::string>> talentBoxLines(const Game& g) {
  for (const TalentBox& box : kTalentBoxes) {
    if (box.tf != g.tf) continue;
    std::vector<std::string> lines{box.row11(g)};
    for (const char* line : box.rows12to15Utf8) lines.push_back(gbk(line));
    return lines;
  }
  return std::nullopt;
}

void drawTalentBox(const Game& g, Console& con) {
  std::optional<std::vector<std::string>> lines = talentBoxLines(g);
  if (!lines) return;
  int row = kTalentBoxTopRow;
  for (const std::string& line : *lines) con.Cout(kTalentBoxCol, row++, line);
}

}  // namespace vm
