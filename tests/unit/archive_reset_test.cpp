#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "archive/ResetDialog.h"
#include "main/SharedOps.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

// Keeps what the screen showed at the moments the dialog's own screens are
// later cleared away: when the answer is read, and at each step of the bar.
class RecordingConsole : public MemoryConsole {
 public:
  using MemoryConsole::MemoryConsole;

  LineReader& In() override {
    if (!whenAsked) whenAsked = rows();
    return MemoryConsole::In();
  }
  void Print(std::string_view text) override {
    MemoryConsole::Print(text);
    if (afterPrint) afterPrint(text);
  }

  std::vector<std::string> rows() const {
    std::vector<std::string> out;
    for (int r = 0; r < screen().height(); ++r) out.push_back(screen().rowText(r));
    return out;
  }

  std::optional<std::vector<std::string>> whenAsked;
  std::function<void(std::string_view)> afterPrint;
};

const std::vector<std::string> kResetKeys = {"X",         "Y",        "HP",      "ATK",   "DEF", "FirstKey",
                                             "SecondKey", "ThirdKey", "Weapons", "Armor", "GOLD"};
const std::vector<std::string> kKeptKeys = {"tf", "name", "ks", "tj", "jj", "sj", "td", "jd", "sd", "qt", "gk"};

std::vector<std::string> questionScreen() {
  std::vector<std::string> rows = {
      "|---------------------------------|",
      "|                                 |",
      "|  是否初始化此关卡[请谨慎选择]   |",
      "|                                 |",
      "|  1.是[初始化游戏,重新开始游戏]  |",
      "|  2.否[返回游戏页面,继续游戏]    |",
      "|                                 |",
      "|---------------------------------|",
      "请输入:",
  };
  rows.resize(61);
  return rows;
}

std::vector<std::string> successScreen() {
  std::vector<std::string> rows = {
      "",
      "  ******************************",
      "  *已成功初始化                *",
      "  *重开及生效[按下回车关闭游戏]*",
      "  ******************************",
  };
  rows.resize(61);
  return rows;
}

class ResetDialogTest : public GameFixture {
 protected:
  ResetDialogTest() {
    g.tf = 3;  // a drawn talent: the redraw writes no file
    g.x = 12;
    g.y = 40;
    for (const std::string& k : kResetKeys) writeArchiveFile(k, "7");
    for (const std::string& k : kKeptKeys) writeArchiveFile(k, "3");
  }

  void run(const std::string& input) {
    screen.feed(input);
    resetDialog(rctx);
  }
  bool exists(const std::string& key) const { return std::filesystem::exists(archive.fileOf(key)); }

  RecordingConsole screen;
  Context rctx{g, screen, archive, [] { return 0u; }};
};

TEST_F(ResetDialogTest, AnythingButOneRedrawsTheGameAndKeepsTheArchive) {
  const char* answers[] = {"2\n", "0\n", "yes\n", "-1\n", "11\n", "\n\n", ""};
  for (const char* input : answers) {
    Game before = g;
    RecordingConsole asked(input);
    Context c{g, asked, archive, [] { return 0u; }};
    resetDialog(c);

    EXPECT_EQ(*asked.whenAsked, questionScreen()) << input;
    MemoryConsole expected;
    Context reference{before, expected, archive, [] { return 0u; }};
    fullRedraw(reference);
    for (int r = 0; r < 61; ++r)
      for (int col = 0; col < 122; ++col)
        ASSERT_EQ(asked.screen().cell(col, r), expected.screen().cell(col, r))
            << '"' << input << "\" at column " << col << ", row " << r;
    for (const std::string& k : kResetKeys) EXPECT_TRUE(exists(k)) << input << k;
    EXPECT_EQ(c.ending, Ending::Running) << input;
  }
}

TEST_F(ResetDialogTest, OneDeletesTheElevenProgressFilesBehindTheBar) {
  struct Step {
    std::vector<std::string> barRows;
    std::vector<bool> present;
  };
  std::vector<Step> steps;
  screen.afterPrint = [&](std::string_view text) {
    if (text != "\n") return;  // the line end of a bar step
    Step s;
    for (int r : {11, 12, 13}) s.barRows.push_back(screen.screen().rowText(r));
    for (const std::string& k : kResetKeys) s.present.push_back(exists(k));
    steps.push_back(s);
  };
  run("1\n");

  EXPECT_EQ(*screen.whenAsked, questionScreen());
  ASSERT_EQ(steps.size(), 11u);
  for (size_t k = 0; k < steps.size(); ++k) {
    std::string bar = "|";
    for (size_t i = 0; i < k; ++i) bar += "■";
    bar += std::string(20 - 2 * k, ' ') + "|";
    EXPECT_EQ(steps[k].barRows, (std::vector<std::string>{"|--------------------|", bar, "|--------------------|"}))
        << "step " << k;
    // The k-th file goes right after its step is drawn.
    for (size_t f = 0; f < kResetKeys.size(); ++f) EXPECT_EQ(steps[k].present[f], f >= k) << k << " " << kResetKeys[f];
  }
  EXPECT_EQ(screen.rows(), successScreen());
  for (const std::string& k : kResetKeys) EXPECT_FALSE(exists(k)) << k;
  for (const std::string& k : kKeptKeys) EXPECT_TRUE(exists(k)) << k;
  EXPECT_EQ(rctx.ending, Ending::Reset);
}

TEST_F(ResetDialogTest, TheLoadingLinesFollowThePrompt) {
  std::vector<std::string> beforeBar;
  screen.afterPrint = [&](std::string_view text) {
    if (text == "\n" && beforeBar.empty()) beforeBar = screen.rows();
  };
  run("1\n");
  // A piped answer is not echoed, so the arrows continue the prompt's row.
  EXPECT_EQ(beforeBar[8], "请输入:-->-->-->-->-->-->-->-->-->-->-->");
  EXPECT_EQ(beforeBar[9], "加载中......");
}

TEST_F(ResetDialogTest, AFileAlreadyMissingIsSkippedSilently) {
  std::filesystem::remove(archive.fileOf("HP"));
  std::filesystem::remove(archive.fileOf("GOLD"));
  std::filesystem::remove(archive.fileOf("Armor"));
  std::filesystem::create_directory(archive.fileOf("Armor"));  // not a file: left alone
  run("1\n");
  EXPECT_EQ(screen.rows(), successScreen());
  for (const std::string& k : kResetKeys) EXPECT_EQ(exists(k), k == "Armor") << k;
  EXPECT_EQ(rctx.ending, Ending::Reset);
}

TEST_F(ResetDialogTest, TheRestOfTheAnswerLineStaysForTheExitPause) {
  run("1 more\nz");
  EXPECT_EQ(rctx.ending, Ending::Reset);
  EXPECT_EQ(screen.In().get(), ' ');
}

}  // namespace
}  // namespace vm::test
