#include "archive/ResetDialog.h"

#include <span>
#include <string>

#include "archive/Archive.h"
#include "console/Gbk.h"
#include "main/SharedOps.h"

namespace vm {

namespace {

const char* const kQuestionBox[] = {
    "|---------------------------------|", "|                                 |", "|  是否初始化此关卡[请谨慎选择]   |",
    "|                                 |", "|  1.是[初始化游戏,重新开始游戏]  |", "|  2.否[返回游戏页面,继续游戏]    |",
    "|                                 |", "|---------------------------------|",
};
const char kPrompt[] = "请输入:";

const char* const kLoadingLines[] = {
    "-->-->-->-->-->-->-->-->-->-->-->",
    "加载中......",
};

const char* const kSuccessBox[] = {
    "                                ", "  ******************************", "  *已成功初始化                *",
    "  *重开及生效[按下回车关闭游戏]*", "  ******************************",
};

// The progress files, one per step of the bar. The talent, the name and its
// colour, the named weapons and shields, the items and gk survive a reset.
const char* const kResetFiles[] = {
    "X", "Y", "HP", "ATK", "DEF", "FirstKey", "SecondKey", "ThirdKey", "Weapons", "Armor", "GOLD",
};

const char kBarFrame[] = "|--------------------|";
constexpr int kBarCells = 20;

void printLines(Console& con, std::span<const char* const> lines) {
  for (const char* line : lines) con.Print(gbk(line) + "\n");
}

// "|", k blocks of two cells, blanks up to twenty cells, "|".
std::string progressBar(int k) {
  std::string bar = "|";
  for (int i = 0; i < k; ++i) bar += gbk("■");
  bar.append(static_cast<size_t>(kBarCells - 2 * k), ' ');
  return bar + "|";
}

void resetArchive(Context& c) {
  printLines(c.con, kLoadingLines);
  int k = 0;
  for (const char* key : kResetFiles) {
    c.con.Cout(0, 11, kBarFrame);
    c.con.Cout(0, 12, progressBar(k));
    c.con.Cout(0, 13, kBarFrame);
    c.con.Print("\n");
    c.archive.remove(key);
    ++k;
  }
  c.con.Clear();
  printLines(c.con, kSuccessBox);
  c.ending = Ending::Reset;
}

}  // namespace

void resetDialog(Context& c) {
  c.con.Clear();
  printLines(c.con, kQuestionBox);
  c.con.Print(gbk(kPrompt));
  // A word or the end of input is no answer, and anything but 1 declines.
  int answer = 0;
  if (!c.con.In().readInt(answer) || answer != 1) {
    fullRedraw(c);
    return;
  }
  resetArchive(c);
}

}  // namespace vm
