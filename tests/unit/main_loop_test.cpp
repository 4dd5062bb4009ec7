#include <gtest/gtest.h>

#include "main/GameLoop.h"
#include "main/RuleChain.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

using StartUpTest = GameFixture;

TEST_F(StartUpTest, FreshStartShowsTheMapThePlayerAndThePanel) {
  startUp(ctx);
  EXPECT_EQ(g.HP, 145);
  EXPECT_EQ(text(20, 1, 1), "&");
  EXPECT_EQ(cell(1, 20), ' ');
  // Start-up patch shown by the first map print.
  EXPECT_EQ(text(86, 1, 11), "bbb  +  bbb");
  // The column-32 passages are open in the map but shown as walls.
  EXPECT_EQ(cell(27, 32), ' ');
  EXPECT_EQ(cell(28, 32), ' ');
  EXPECT_EQ(text(32, 27, 1), "#");
  EXPECT_EQ(text(32, 28, 1), "#");
  EXPECT_TRUE(con.cursorHidden());
  EXPECT_TRUE(std::filesystem::is_directory(dir.path()));
}

TEST_F(StartUpTest, ArchiveDirectoryIsCreatedWithItsParents) {
  Archive nested(dir.path() / "a" / "b" / "game_archive");
  Context c{g, con, nested, [] { return 0u; }};
  startUp(c);
  EXPECT_TRUE(std::filesystem::is_directory(nested.dir()));
}

// A console that scribbles over panel row 2 before every key it hands out,
// so a test can tell whether the panel was drawn again after that key.
class ScribblingConsole : public MemoryConsole {
 public:
  using MemoryConsole::MemoryConsole;
  int GetKey() override {
    Cout(0, 2, "XXXX");
    return MemoryConsole::GetKey();
  }
};

struct NoRuleCase {
  const char* what;
  std::string keys;
};

TEST(MainLoopTest, KeysWithoutARuleReadTheNextKeyWithoutAPanelPass) {
  const NoRuleCase cases[] = {
      {"unknown key", "x1 "},
      {"arrow into the wall above the start cell", kUp},
      {"several of them", "q" + kUp + "w"},
  };
  for (const NoRuleCase& c : cases) {
    TempDir dir;
    Game g;
    ScribblingConsole con(c.keys);
    Archive archive(dir.path());
    Context ctx{g, con, archive, [] { return 3u; }};
    EXPECT_EQ(runGame(ctx), Ending::InputEnded) << c.what;
    EXPECT_EQ(con.screen().rowText(2).substr(0, 4), "XXXX") << c.what;
    EXPECT_EQ(g.x, 1);
    EXPECT_EQ(g.y, 20);
  }
}

TEST(MainLoopTest, EndOfInputEndsAtOnce) {
  TempDir dir;
  Game g;
  MemoryConsole con("");
  Archive archive(dir.path());
  Context ctx{g, con, archive, [] { return 3u; }};
  EXPECT_EQ(runGame(ctx), Ending::InputEnded);
  EXPECT_EQ(con.screen().rowText(2).substr(0, 19), "| HP:145          |");
}

struct TurnEndLoopCase {
  int HP;
  Ending ending;
};

TEST(MainLoopTest, AnyKeyEndsTheGameWhenHitPointsAreGone) {
  const TurnEndLoopCase cases[] = {{0, Ending::GameOver}, {-5, Ending::GameOver}, {1, Ending::InputEnded}};
  for (const TurnEndLoopCase& c : cases) {
    TempDir dir;
    Game g;
    MemoryConsole con("x");
    Archive archive(dir.path());
    Context ctx{g, con, archive, [] { return 3u; }};
    startUp(ctx);
    g.HP = c.HP;
    EXPECT_EQ(mainLoop(ctx), c.ending) << c.HP;
    EXPECT_EQ(con.screen().rowText(21).find("GAMEOVER") != std::string::npos, c.ending == Ending::GameOver);
  }
}

TEST(ExitPauseTest, DropsTheRestOfTheLineThenWaitsForOneCharacter) {
  MemoryConsole con("1 left over\nz\nnext");
  int answer = 0;
  ASSERT_TRUE(con.In().readInt(answer));
  exitPause(con);
  EXPECT_EQ(con.unread(), "next");
}

}  // namespace
}  // namespace vm::test
