// Key Z: the reset dialog. Declined, it redraws the game screen; confirmed,
// it deletes the eleven value files, shows its success box and ends.

#include <map>
#include <string>

#include "PlayTest.h"

namespace vm::test {
namespace {

// The files a confirmed reset deletes, in its order.
const char* const kResetKeys[] = {"X",         "Y",        "HP",      "ATK",   "DEF", "FirstKey",
                                  "SecondKey", "ThirdKey", "Weapons", "Armor", "GOLD"};

// The archive of a game in progress without the eleven files.
std::map<std::string, std::string> afterReset() {
  std::map<std::string, std::string> files;
  for (const auto& [key, content] : kGameInProgress) files["system_" + key + ".wxov"] = content;
  for (const char* key : kResetKeys) files.erase(std::string("system_") + key + ".wxov");
  return files;
}

void expectSuccessBox(const EmulatedScreen& s) {
  EXPECT_EQ(s.rowText(0), "");  // 32 blanks
  EXPECT_EQ(s.rowText(1), "  ******************************");
  EXPECT_EQ(s.rowText(2), "  *已成功初始化                *");
  EXPECT_EQ(s.rowText(3), "  *重开及生效[按下回车关闭游戏]*");
  EXPECT_EQ(s.rowText(4), "  ******************************");
  for (int r = 5; r < 61; ++r) EXPECT_EQ(s.rowText(r), "") << "row " << r;
}

struct DeclineCase {
  const char* label;
  const char* input;
};
// Shown as its label in test names and failure messages.
void PrintTo(const DeclineCase& c, std::ostream* os) { *os << c.label; }

class ResetDeclined : public PlayTest, public ::testing::WithParamInterface<DeclineCase> {};

TEST_P(ResetDeclined, RedrawsTheGameScreenAndKeepsTheArchive) {
  seedGameInProgress();
  const std::map<std::string, std::string> before = archive.files();
  EmulatedScreen reference = play("");
  EmulatedScreen s = play(GetParam().input);
  expectSameMapScreen(s, reference);
  EXPECT_EQ(archive.files(), before);
}

INSTANTIATE_TEST_SUITE_P(Answers, ResetDeclined,
                         ::testing::Values(DeclineCase{"Two", "z2\n"}, DeclineCase{"TwoUpperCaseKey", "Z2\n"},
                                           DeclineCase{"Zero", "z0\n"}, DeclineCase{"NotANumber", "zno\n"},
                                           DeclineCase{"InputEndsInTheAnswer", "z"},
                                           // The rest of the answer line stays with the answer
                                           // reader: its "z" is not a key that opens the dialog.
                                           DeclineCase{"RestOfTheLineIsNoKey", "z2 z\n"}),
                         [](const ::testing::TestParamInfo<DeclineCase>& info) {
                           return std::string(info.param.label);
                         });

using ResetConfirmed = PlayTest;

TEST_F(ResetConfirmed, DeletesExactlyTheElevenFilesAndShowsTheSuccessBox) {
  seedGameInProgress();
  EmulatedScreen s = play("z1\n");
  expectSuccessBox(s);
  EXPECT_EQ(archive.files(), afterReset());
}

TEST_F(ResetConfirmed, TakesTheAnswerLeftOnTheLineByTheAnswerBefore) {
  seedGameInProgress();
  // The first dialog reads 2 and leaves " 1" on its line; the second takes it.
  EmulatedScreen s = play("z2 1\nz");
  expectSuccessBox(s);
  EXPECT_EQ(archive.files(), afterReset());
}

TEST_F(ResetConfirmed, SkipsFilesAlreadyMissing) {
  seedGameInProgress();
  std::filesystem::remove(archive.fileOf("HP"));
  std::filesystem::remove(archive.fileOf("GOLD"));
  EmulatedScreen s = play("z1\n");
  expectSuccessBox(s);
  EXPECT_EQ(archive.files(), afterReset());
}

TEST_F(ResetConfirmed, NextRunStartsOnTheInitialValuesWithTheKeptName) {
  seedGameInProgress();
  play("z1\n");
  EmulatedScreen s = play("");
  // Name and ks (1: purple) survive the reset; the values start afresh.
  EXPECT_EQ(s.text(0, 1, 19), "| 勇者-[紫名]     |");
  for (int r = 2; r <= 10; ++r) EXPECT_EQ(s.text(0, r, 19), kFreshPanel[static_cast<size_t>(r)]) << "row " << r;
  EXPECT_EQ(s.at(20, 1).ch, "&");
  EXPECT_NE(s.at(21, 3).ch, "&");
}

}  // namespace
}  // namespace vm::test
