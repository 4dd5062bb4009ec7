#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

#include "editor/AuthorEditor.h"
#include "main/GameLoop.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

// Keeps what the dialogue writes, in order, until the full redraw clears
// the screen again: "clear", "print:<text>", "cout <col>,<row>:<text>"
// (UTF-8).
class TranscriptConsole : public MemoryConsole {
 public:
  using MemoryConsole::MemoryConsole;
  void Clear() override {
    clears_++;
    if (clears_ == 1) transcript.push_back("clear");
    MemoryConsole::Clear();
  }
  void Print(std::string_view text) override {
    if (clears_ == 1) transcript.push_back("print:" + utf8(text));
    MemoryConsole::Print(text);
  }
  void Cout(int col, int row, std::string_view text) override {
    if (clears_ == 1)
      transcript.push_back("cout " + std::to_string(col) + "," + std::to_string(row) + ":" + utf8(text));
    MemoryConsole::Cout(col, row, text);
  }
  int clears() const { return clears_; }
  std::vector<std::string> transcript;

 private:
  int clears_ = 0;
};

class EditorTest : public ::testing::Test {
 protected:
  // Runs the editor as key P does, with `answers` as what is typed.
  void runEditor(const std::string& answers) {
    con.feed(answers);
    authorEditor(ctx);
  }
  std::string archiveFile(const std::string& key) const { return readFile(archive, key); }
  static std::string readFile(const Archive& a, const std::string& key) {
    std::ifstream in(a.fileOf(key), std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<int> values() const { return {g.HP, g.ATK, g.DEF, g.FirstKey, g.SecondKey, g.ThirdKey, g.GOLD}; }

  TempDir dir;
  Game g;
  TranscriptConsole con;
  Archive archive{dir.path()};
  Context ctx{g, con, archive, [] { return 3u; }};
};

const std::vector<std::string> kUnlockedTranscript = {
    "clear",
    "print:-------------[作者专用]------------\n",
    "print:请输入解锁密码:",
    "cout 0,1:请输入解锁密码:******",
    "print:\n",
    "print:是否永久更改[1为是,0为否]:",
    "print:请输入HP：",
    "print:请输入ATK：",
    "print:请输入DEF：",
    "print:请输入1号钥匙：",
    "print:请输入2号钥匙：",
    "print:请输入3号钥匙：",
    "print:请输入金钱：",
    "print:操作成功! (按下回车返回游戏)",
};

const std::vector<std::string> kLockedTranscript = {
    "clear",
    "print:-------------[作者专用]------------\n",
    "print:请输入解锁密码:",
    "print:输入错误! (按下回车返回游戏)",
};

const std::vector<int> kInitialValues = {100, 10, 10, 0, 0, 0, 0};
const std::vector<std::string> kEditedKeys = {"HP", "ATK", "DEF", "FirstKey", "SecondKey", "ThirdKey", "GOLD"};

TEST_F(EditorTest, RightPasswordAsksForTheSevenValuesInOrder) {
  runEditor("rk-vud\n0\n200\n20\n30\n1\n2\n3\n500\n\nx");
  EXPECT_EQ(con.transcript, kUnlockedTranscript);
  EXPECT_EQ(values(), (std::vector<int>{200, 20, 30, 1, 2, 3, 500}));
  // The two characters were the last answer's line end and the Enter; the
  // next key is still there.
  EXPECT_EQ(con.unread(), "x");
}

TEST_F(EditorTest, EndsWithAFullRedrawShowingTheNewValues) {
  runEditor("rk-vud\n0\n200\n20\n30\n1\n2\n3\n500\n\n");
  EXPECT_EQ(con.clears(), 2);
  EXPECT_EQ(utf8(con.screen().rowBytes(2).substr(0, 19)), "| HP:200          |");
  EXPECT_EQ(utf8(con.screen().rowBytes(10).substr(0, 19)), "| 金钱:500        |");
  EXPECT_EQ(con.screen().cell(g.y, g.x).byte, '&');
}

TEST_F(EditorTest, PasswordAndAnswersMayShareALine) {
  runEditor("rk-vud 0 -7 0 2147483647 -2147483648 5 6 7\n\n");
  EXPECT_EQ(con.transcript, kUnlockedTranscript);
  EXPECT_EQ(values(), (std::vector<int>{-7, 0, 2147483647, -2147483647 - 1, 5, 6, 7}));
}

TEST_F(EditorTest, WrongPasswordChangesNothing) {
  for (const char* word : {"RK-VUD", "Rk-vud", "rk-vu", "rk-vudx", "rk_vud", "1"}) {
    Game fresh;
    TranscriptConsole tc(std::string(word) + "\n\nx");
    Context c{fresh, tc, archive, [] { return 3u; }};
    authorEditor(c);
    EXPECT_EQ(tc.transcript, kLockedTranscript) << word;
    EXPECT_EQ(fresh.HP, 100) << word;
    EXPECT_EQ(tc.unread(), "x") << word;
    EXPECT_EQ(tc.clears(), 2) << word;
  }
  for (const std::string& key : kEditedKeys) EXPECT_EQ(archiveFile(key), "<missing>") << key;
}

struct ChoiceCase {
  const char* choice;
  bool saved;
};

// Only choice 1 writes the seven files; a new start then loads them.
TEST_F(EditorTest, OnlyChoiceOneSavesAndTheValuesSurviveARestart) {
  const ChoiceCase cases[] = {{"1", true}, {"0", false}, {"2", false}, {"-1", false}, {"01", true}};
  for (const ChoiceCase& cc : cases) {
    TempDir d;
    Archive a(d.path());
    Game played;
    played.tf = 3;  // no talent draw in the redraw
    MemoryConsole mc("rk-vud\n" + std::string(cc.choice) + "\n200\n-20\n30\n1\n2\n3\n500\n\n");
    Context c{played, mc, a, [] { return 3u; }};
    authorEditor(c);
    const std::vector<std::string> expected = {"200", "-20", "30", "1", "2", "3", "500"};
    for (size_t i = 0; i < kEditedKeys.size(); ++i)
      EXPECT_EQ(readFile(a, kEditedKeys[i]), cc.saved ? expected[i] : "<missing>")
          << "choice " << cc.choice << " " << kEditedKeys[i];
    for (const char* other : {"X", "Y", "Weapons", "Armor", "tf", "gk"})
      EXPECT_EQ(readFile(a, other), "<missing>") << "choice " << cc.choice << " " << other;

    Game restarted;
    MemoryConsole next;
    Context r{restarted, next, a, [] { return 3u; }};
    startUp(r);
    std::vector<int> loaded = {restarted.HP,        restarted.ATK,      restarted.DEF, restarted.FirstKey,
                               restarted.SecondKey, restarted.ThirdKey, restarted.GOLD};
    EXPECT_EQ(loaded,
              cc.saved ? (std::vector<int>{200, -20, 30, 1, 2, 3, 500}) : (std::vector<int>{145, 10, 10, 0, 0, 0, 0}))
        << "choice " << cc.choice;
  }
}

struct BadAnswerCase {
  const char* what;
  std::string answers;
  std::vector<int> values;
};

// A bad answer ends the questions: what was typed before it stays, the rest
// is untouched, nothing is saved, the error is shown, and the keys typed
// after the Enter are still there.
TEST_F(EditorTest, AnswerThatIsNotANumberStopsTheQuestions) {
  const BadAnswerCase cases[] = {
      {"word for the choice", "rk-vud abc\n\nx", kInitialValues},
      {"word for attack", "rk-vud\n1\n200\nabc\n\nx", {200, 10, 10, 0, 0, 0, 0}},
      {"word after numbers on one line", "rk-vud 1 200 20 zz 5\n\nx", {200, 20, 10, 0, 0, 0, 0}},
      {"number beyond 32 bits", "rk-vud\n1\n99999999999\n\nx", kInitialValues},
      {"word for money", "rk-vud\n1\n1\n2\n3\n4\n5\n6\nmoney\n\nx", {1, 2, 3, 4, 5, 6, 0}},
  };
  for (const BadAnswerCase& bc : cases) {
    TempDir d;
    Archive a(d.path());
    Game fresh;
    TranscriptConsole tc(bc.answers);
    Context c{fresh, tc, a, [] { return 3u; }};
    authorEditor(c);
    std::vector<int> got = {fresh.HP,        fresh.ATK,      fresh.DEF, fresh.FirstKey,
                            fresh.SecondKey, fresh.ThirdKey, fresh.GOLD};
    EXPECT_EQ(got, bc.values) << bc.what;
    EXPECT_EQ(tc.transcript.back(), "print:输入错误! (按下回车返回游戏)") << bc.what;
    for (const std::string& key : kEditedKeys) EXPECT_EQ(readFile(a, key), "<missing>") << bc.what << " " << key;
    EXPECT_EQ(tc.unread(), "x") << bc.what;
    EXPECT_EQ(tc.clears(), 2) << bc.what;
  }
}

TEST_F(EditorTest, EndOfInputReturnsToTheMap) {
  for (const std::string& answers : {std::string(""), std::string("rk-vud"), std::string("rk-vud\n1\n200\n")}) {
    TempDir d;
    Archive a(d.path());
    Game fresh;
    TranscriptConsole tc(answers);
    Context c{fresh, tc, a, [] { return 3u; }};
    authorEditor(c);
    EXPECT_EQ(tc.transcript.back(), "print:输入错误! (按下回车返回游戏)") << answers;
    EXPECT_EQ(tc.clears(), 2) << answers;
    EXPECT_EQ(readFile(a, "HP"), "<missing>") << answers;
    EXPECT_EQ(tc.GetKey(), key::EndOfInput);
  }
}

struct LoopCase {
  const char* what;
  std::string script;
  Ending ending;
};

// In the game the editor's values meet the turn end of key P at once, and
// later keys work as before.
TEST(EditorInGameTest, ValuesMeetTheTurnEndOfTheSameKey) {
  const LoopCase cases[] = {
      {"hit points 0", "prk-vud\n0\n0\n10\n10\n0\n0\n0\n0\n\nx", Ending::GameOver},
      {"hit points -5", "prk-vud\n0\n-5\n10\n10\n0\n0\n0\n0\n\nx", Ending::GameOver},
      {"hit points 1", "prk-vud\n0\n1\n10\n10\n0\n0\n0\n0\n\nx", Ending::InputEnded},
      {"bad answer, then the editor again", "prk-vud\n0\nzz\n\nprk-vud\n0\n0\n1\n1\n0\n0\n0\n0\n\n", Ending::GameOver},
  };
  for (const LoopCase& lc : cases) {
    TempDir d;
    Game g;
    g.tf = 3;
    MemoryConsole mc(lc.script);
    Archive a(d.path());
    Context c{g, mc, a, [] { return 3u; }};
    EXPECT_EQ(runGame(c), lc.ending) << lc.what;
  }
}

}  // namespace
}  // namespace vm::test
