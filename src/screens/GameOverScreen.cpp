#include "screens/GameOverScreen.h"

#include <string>

#include "console/Gbk.h"

namespace vm {

namespace {

struct MessageLine {
  int col;
  int row;
  const char* textUtf8;
};

// The message of each cause code, tried in this order; a code not listed
// (0 included) shows no message.
struct CauseMessage {
  char code;
  MessageLine lines[2];
};

const CauseMessage kCauseMessages[] = {
    {'?', {{80, 30, "你被 机关 干掉了 ^_^"}, {}}},
    {'a', {{80, 30, "你被 怪物a 杀死了 ！"}, {}}},
    {'b', {{80, 30, "你被 怪物b 杀死了 ！"}, {}}},
    {'c', {{80, 30, "你被 怪物c 杀死了 ！"}, {}}},
    {'d', {{80, 30, "你被 怪物d 杀死了 ！"}, {}}},
    {'e', {{80, 30, "你被 怪物e 杀死了 ！"}, {}}},
    {'A', {{80, 30, "你被 怪物A 杀死了 ！"}, {}}},
    {'B', {{80, 30, "你被 怪物B 杀死了 ！"}, {}}},
    {'C', {{80, 30, "你被 怪物C 杀死了 ！"}, {}}},
    {'D', {{80, 30, "你被 怪物D 杀死了 ！"}, {}}},
    {'E', {{80, 30, "你被 怪物E 杀死了 ！"}, {}}},
    {'2', {{80, 35, "你被 自己的天赋——中毒 杀死了 ！"}, {}}},
    {'0', {{76, 34, "    你被 死亡之墙 杀死了 ！  "}, {76, 35, "加油,正确的路需要你自己探索 !"}}},
    {'M', {{76, 34, "    你被 BOOS 杀死了 ！  "}, {76, 35, "少年,不要气馁,相信你能行!"}}},
};

constexpr int kBlockRows = 43;
constexpr int kBlocksPerRow = 61;

}  // namespace

void showGameOver(const Game& g, Console& con) {
  con.Clear();
  con.TextColor(2, 0);
  std::string blockRow;
  const std::string block = gbk("■");
  for (int i = 0; i < kBlocksPerRow; ++i) blockRow += block;
  blockRow += '\n';
  for (int r = 0; r < kBlockRows; ++r) con.Print(blockRow);
  con.TextColor(12, 0);
  con.Cout(56, 21, "GAMEOVER");
  con.TextColor(7, 0);
  for (const CauseMessage& m : kCauseMessages) {
    if (g.GAMEOVER != m.code) continue;
    for (const MessageLine& line : m.lines)
      if (line.textUtf8) con.Cout(line.col, line.row, gbk(line.textUtf8));
    break;
  }
  con.HideCursor();
}

}  // namespace vm
