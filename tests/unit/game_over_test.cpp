#include <gtest/gtest.h>

#include "main/SharedOps.h"
#include "screens/GameOverScreen.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

using GameOverTest = GameFixture;

struct CauseCase {
  char code;
  int col;
  int row;
  const char* first;
  const char* second;  // on the next row, or nullptr
};

TEST_F(GameOverTest, EachCauseShowsItsMessageAtItsPlace) {
  const CauseCase cases[] = {
      {'?', 80, 30, "你被 机关 干掉了 ^_^", nullptr},
      {'a', 80, 30, "你被 怪物a 杀死了 ！", nullptr},
      {'e', 80, 30, "你被 怪物e 杀死了 ！", nullptr},
      {'E', 80, 30, "你被 怪物E 杀死了 ！", nullptr},
      {'2', 80, 35, "你被 自己的天赋——中毒 杀死了 ！", nullptr},
      {'0', 76, 34, "    你被 死亡之墙 杀死了 ！  ", "加油,正确的路需要你自己探索 !"},
      {'M', 76, 34, "    你被 BOOS 杀死了 ！  ", "少年,不要气馁,相信你能行!"},
  };
  for (const CauseCase& c : cases) {
    MemoryConsole screen;
    g.GAMEOVER = c.code;
    showGameOver(g, screen);
    std::string first = gbk(c.first);
    std::string shown = screen.screen().rowBytes(c.row).substr(static_cast<size_t>(c.col), first.size());
    EXPECT_EQ(utf8(shown), c.first) << c.code;
    EXPECT_EQ(screen.screen().cell(c.col, c.row).fg, 7) << c.code;
    if (c.second) {
      std::string second = gbk(c.second);
      EXPECT_EQ(utf8(screen.screen().rowBytes(c.row + 1).substr(static_cast<size_t>(c.col), second.size())), c.second);
    }
  }
}

TEST_F(GameOverTest, FieldOfGreenBlocksWithGameoverInLightRed) {
  g.GAMEOVER = 0;
  con.Cout(0, 50, "old text");
  showGameOver(g, con);
  std::string blocks;
  for (int i = 0; i < 61; ++i) blocks += "■";
  for (int r = 0; r < 43; ++r) {
    if (r == 21) continue;
    EXPECT_EQ(row(r), blocks) << r;
  }
  EXPECT_EQ(row(43), "");
  EXPECT_EQ(row(50), "");
  EXPECT_EQ(con.screen().cell(0, 0).fg, 2);
  EXPECT_EQ(con.screen().cell(121, 42).fg, 2);
  EXPECT_EQ(text(56, 21, 8), "GAMEOVER");
  EXPECT_EQ(con.screen().cell(56, 21).fg, 12);
  EXPECT_EQ(con.screen().cell(63, 21).fg, 12);
  EXPECT_EQ(text(54, 21, 2), "■");
  EXPECT_EQ(text(64, 21, 2), "■");
  EXPECT_TRUE(con.cursorHidden());
}

TEST_F(GameOverTest, UnknownCauseShowsNoMessage) {
  for (char code : {'\0', 'x', '1'}) {
    MemoryConsole screen;
    g.GAMEOVER = code;
    showGameOver(g, screen);
    std::string blocks;
    for (int i = 0; i < 61; ++i) blocks += "■";
    for (int r : {30, 34, 35}) EXPECT_EQ(screen.screen().rowText(r), blocks) << int(code) << " row " << r;
  }
}

struct TurnEndCase {
  int HP;
  bool ends;
};

TEST_F(GameOverTest, TurnEndEndsTheGameAtZeroAndBelowOnly) {
  const TurnEndCase cases[] = {{1, false}, {0, true}, {-1, true}, {-2147483647 - 1, true}, {145, false}};
  for (const TurnEndCase& c : cases) {
    g.HP = c.HP;
    ctx.ending = Ending::Running;
    EXPECT_EQ(turnEnd(ctx), c.ends) << c.HP;
    EXPECT_EQ(ctx.ending, c.ends ? Ending::GameOver : Ending::Running) << c.HP;
  }
}

}  // namespace
}  // namespace vm::test
