#include "screens/HelpScreen.h"

#include <string>
#include <vector>

#include "console/Gbk.h"
#include "game/MonsterTable.h"
#include "screens/ScreenBox.h"

namespace vm {

namespace {

// Text lines 1 to 20, each padded with blanks to the full width of the box.
const char* const kHelpLinesUtf8[] = {
    "游戏介绍:",
    "这可不仅仅是个迷宫，更是一个闯关和坑爹游戏，里面有很多陷阱、道具、怪物（虽然全部用了符号表示）等着你，你要利用你的"
    "智商",
    "（连250都不如的249）杀出去，杀出这个鬼地方，活下来。",
    "------------------------------------------------------------------------------------------------------------------"
    "----",
    "游戏说明:",
    "   a b c d e A B C D E 表示怪物。(注意:怪物也可能是隐藏的,你看不见,要小心别被阴)",
    "   U V W 分别表示铁剑、金剑、圣剑。",
    "   X Y Z 分别表示铁盾、金盾、圣盾。",
    "   1 2 3是钥匙，！@ % 表示对应的门。",
    "   HP 是血量，当血量为零时，游戏结束。",
    "   ATK 是攻击力，攻击力越高，对怪物的伤害越高。",
    "   DEF 是防御力，防御力越高，受到的伤害越少。",
    "   * 是攻击宝石，能加2点攻击力。",
    "   ] 是防御宝石，能加2点防御力。",
    "   + 是血瓶，能加200点血量。",
    "   | = 是特殊门，只能在特定的情况下打开。",
    "   ) ( 是单向门，只能从开着的一侧走到闭着的一侧。",
    "   ?是机关，有好的也有坏的，可能能开启特殊门，也有可能飞到神秘地点，还有可能直接GAMEOVER，甚至......",
    "------------------------------------------------------------------------------------------------------------------"
    "----",
    "各怪物战斗力:",
};

// The monsters the help lists, one line each from row 21; the boss has none.
constexpr char kListedMonsters[] = "abcdeABCDE";

// "  a: HP=30, ATK=15, DEF=4, GOLD=1;" from the monster table, not padded:
// the box's blanks and right bar stay behind it.
std::string monsterLine(const Monster& m) {
  return std::string("  ") + m.letter + ": HP=" + inttostr(m.HP) + ", ATK=" + inttostr(m.ATK) +
         ", DEF=" + inttostr(m.DEF) + ", GOLD=" + inttostr(m.GOLD) + ";";
}

// The help is opened often and never changes: build its GBK lines once.
const std::vector<std::string>& helpLines() {
  static const std::vector<std::string> lines = [] {
    std::vector<std::string> out;
    for (const char* utf8 : kHelpLinesUtf8) {
      std::string line = gbk(utf8);
      if (line.size() < static_cast<size_t>(kBoxTextCells)) line.append(kBoxTextCells - line.size(), ' ');
      out.push_back(std::move(line));
    }
    for (const char* letter = kListedMonsters; *letter; ++letter)
      if (const Monster* m = findMonster(*letter)) out.push_back(monsterLine(*m));
    return out;
  }();
  return lines;
}

}  // namespace

void showHelp(Context& c) {
  drawScreenBox(c.con);
  int row = kBoxFirstRow;
  for (const std::string& line : helpLines()) c.con.Cout(kBoxTextCol, row++, line);
  blankBelowScreenBox(c.con);
}

}  // namespace vm
