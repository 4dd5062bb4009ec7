#include "rules/TalentBox.h"

#include <array>
#include <string>
#include <vector>

#include "console/Gbk.h"

namespace vm {

namespace {

// One box per talent; every line is 19 cells wide. The self-destruct box
// has no fixed title: row 11 shows its charges.
struct TalentBox {
  int tf;
  const char* titleUtf8;  // nullptr: the self-destruct title
  std::array<const char*, 4> rows12to15Utf8;
};

const TalentBox kTalentBoxes[] = {
    {0,
     "| 天赋:治愈       |",
     {"| 花费1ATK和1DEF  |", "| 提升10HP        |", "| ATK>0并且DEF>0  |", "| 即可使用        |"}},
    {1, nullptr, {"| 将HP化为1,摧毁  |", "| 以自身为中心的  |", "| 5*7区域         |", "| HP>=70即可使用  |"}},
    {2,
     "| 天赋:中毒       |",
     {"| 加油吧!年轻人   |", "| 希望你能抗毒哦  |", "| 走一步,掉一滴血 |", "|(每掉十滴有惊喜!)|"}},
    {3,
     "| 天赋:无         |",
     {"|                 |", "|                 |", "|                 |", "|                 |"}},
    {4,
     "| 天赋:无         |",
     {"|                 |", "|                 |", "|                 |", "|                 |"}},
    {5,
     "| 天赋:战神降临   |",
     {"| 条件:HP>5000    |", "| [不然会死]      |", "| ATK+99999,DEF=0 |", "| HP+5000         |"}},
};

// kTalentBoxes with its lines in GBK. The box is drawn after every key, so
// the lines are converted once, on the first draw.
struct GbkTalentBox {
  int tf;
  std::string title;  // empty: the self-destruct title
  std::array<std::string, 4> rows12to15;
};

const std::vector<GbkTalentBox>& gbkTalentBoxes() {
  static const std::vector<GbkTalentBox> boxes = [] {
    std::vector<GbkTalentBox> out;
    for (const TalentBox& box : kTalentBoxes) {
      GbkTalentBox converted{box.tf, box.titleUtf8 ? gbk(box.titleUtf8) : "", {}};
      for (size_t i = 0; i < box.rows12to15Utf8.size(); ++i) converted.rows12to15[i] = gbk(box.rows12to15Utf8[i]);
      out.push_back(std::move(converted));
    }
    return out;
  }();
  return boxes;
}

}  // namespace

std::string selfDestructTitle(int zb) {
  static const std::string before = gbk("| 天赋:自爆(");
  static const std::string after = gbk("次)  |");
  return before + inttostr(zb) + after;
}

void drawTalentBox(const Game& g, Console& con) {
  for (const GbkTalentBox& box : gbkTalentBoxes()) {
    if (box.tf != g.tf) continue;
    int row = kTalentBoxTopRow;
    if (box.title.empty())
      con.Cout(kTalentBoxCol, row++, selfDestructTitle(g.zb));
    else
      con.Cout(kTalentBoxCol, row++, box.title);
    for (const std::string& line : box.rows12to15) con.Cout(kTalentBoxCol, row++, line);
    return;
  }
}

}  // namespace vm
