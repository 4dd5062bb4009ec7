// Talents and the author editor on the real binary: the first draw and its
// file, the boxes, key A with heal and self-destruct, the poison tick, and
// the editor's values on the panel and in the archive.

#include <map>
#include <optional>
#include <string>

#include "PlayTest.h"

namespace vm::test {
namespace {

const std::map<std::string, std::string> kBoxTitles = {
    {"0", "| 天赋:治愈       |"}, {"1", "| 天赋:自爆(3次)  |"}, {"2", "| 天赋:中毒       |"},
    {"3", "| 天赋:无         |"}, {"4", "| 天赋:无         |"},
};

using TalentDraw = PlayTest;

TEST_F(TalentDraw, FirstStartDrawsTheTalentKeepsItInTheArchiveAndShowsItsBox) {
  EmulatedScreen first = play("");
  std::optional<std::string> tf = archive.read("tf");
  ASSERT_TRUE(tf.has_value());
  ASSERT_TRUE(kBoxTitles.count(*tf)) << *tf;
  EXPECT_EQ(first.text(0, 11, 19), kBoxTitles.at(*tf));

  // The next start loads the talent: same box, same file.
  EmulatedScreen second = play("");
  EXPECT_EQ(archive.read("tf"), tf);
  for (int r = 11; r <= 15; ++r) EXPECT_EQ(second.text(0, r, 19), first.text(0, r, 19)) << "row " << r;
}

TEST_F(TalentDraw, TalentFileOutsideTheKnownValuesShowsNoBox) {
  archive.write("tf", "7");
  EmulatedScreen s = play("");
  for (int r = 11; r <= 15; ++r) EXPECT_EQ(s.text(0, r, 19), "|                 |") << "row " << r;
  EXPECT_EQ(archive.read("tf"), "7");
}

using TalentKeyA = PlayTest;

TEST_F(TalentKeyA, HealRedrawsTheThreeRowsAtOnce) {
  archive.write("tf", "0");
  EmulatedScreen s = play("a");
  EXPECT_EQ(s.text(0, 2, 19), "| HP:155          |");
  EXPECT_EQ(s.text(0, 3, 19), "| ATK:9           |");
  EXPECT_EQ(s.text(0, 4, 19), "| DEF:9           |");
  EXPECT_EQ(s.text(0, 11, 19), "| 天赋:治愈       |");
}

TEST_F(TalentKeyA, HealStopsWhenAttackRunsOut) {
  archive.write("tf", "0");
  archive.write("ATK", "1");
  EmulatedScreen s = play("aaa");
  EXPECT_EQ(s.text(0, 2, 19), "| HP:155          |");
  EXPECT_EQ(s.text(0, 3, 19), "| ATK:0           |");
  EXPECT_EQ(s.text(0, 4, 19), "| DEF:9           |");
}

// At the start cell the block reaches above the grid: rows 0 to 3 of
// columns 17 to 23 are cleared, the panel frame's corner included, and the
// player walks down through the wall that was there. The pass after that
// step redraws the panel rows with their bar at column 18.
TEST_F(TalentKeyA, SelfDestructAtTheStartCellClearsTheBlockAndTheWallBelow) {
  archive.write("tf", "1");
  EmulatedScreen s = play("a\x1b[B");
  EXPECT_EQ(s.text(17, 0, 7), "       ");
  EXPECT_EQ(s.text(17, 1, 7), "       ");
  EXPECT_EQ(s.text(17, 2, 7), " | &   ");
  EXPECT_EQ(s.text(17, 3, 7), " |     ");
  EXPECT_EQ(s.text(24, 1, 1), "1");
  EXPECT_EQ(s.text(0, 2, 19), "| HP:1            |");
  EXPECT_EQ(s.text(0, 11, 19), "| 天赋:自爆(2次)  |");
}

TEST_F(TalentKeyA, SelfDestructNeedsSeventyHitPoints) {
  archive.write("tf", "1");
  archive.write("HP", "69");
  EmulatedScreen s = play("a");
  EXPECT_EQ(s.text(0, 2, 19), "| HP:69           |");
  EXPECT_EQ(s.text(17, 1, 7), " |#&   ");
  EXPECT_EQ(s.text(0, 11, 19), "| 天赋:自爆(3次)  |");
}

using PoisonTalent = PlayTest;

// The first pass ticks after the panel is drawn; the step to the right is
// a rule, so the next pass shows the tick and ticks again.
TEST_F(PoisonTalent, EachPassAfterARuleTicks) {
  archive.write("tf", "2");
  EmulatedScreen before = play("x");
  EXPECT_EQ(before.text(0, 2, 19), "| HP:145          |");
  EmulatedScreen after = play("x\x1b[C");
  EXPECT_EQ(after.text(0, 2, 19), "| HP:144          |");
  EXPECT_EQ(after.text(0, 3, 19), "| ATK:11          |");
  EXPECT_EQ(after.text(0, 4, 19), "| DEF:11          |");
}

TEST_F(PoisonTalent, LastHitPointEndsTheGameWithThePoisonMessage) {
  archive.write("tf", "2");
  archive.write("HP", "1");
  EmulatedScreen s = play("x\n");
  EXPECT_EQ(s.text(56, 21, 8), "GAMEOVER");
  // The dashes between are glyphs whose width terminals disagree on; the
  // words around them name the cause.
  EXPECT_EQ(s.text(80, 35, 15), "你被 自己的天赋");
  EXPECT_EQ(s.text(99, 35, 14), "中毒 杀死了 ！");
}

using AuthorEditorRun = PlayTest;

TEST_F(AuthorEditorRun, PermanentValuesReachThePanelAndTheArchive) {
  archive.write("tf", "3");
  EmulatedScreen s = play("prk-vud 1\n200\n20\n30\n1\n2\n3\n500\n\n");
  EXPECT_EQ(s.text(0, 2, 19), "| HP:200          |");
  EXPECT_EQ(s.text(0, 3, 19), "| ATK:20          |");
  EXPECT_EQ(s.text(0, 4, 19), "| DEF:30          |");
  EXPECT_EQ(s.text(0, 5, 19), "| 1号钥匙:1       |");
  EXPECT_EQ(s.text(0, 6, 19), "| 2号钥匙:2       |");
  EXPECT_EQ(s.text(0, 7, 19), "| 3号钥匙:3       |");
  EXPECT_EQ(s.text(0, 10, 19), "| 金钱:500        |");
  EXPECT_EQ(s.text(20, 1, 1), "&");
  const std::map<std::string, std::string> expected = {
      {"system_tf.wxov", "3"},       {"system_HP.wxov", "200"},     {"system_ATK.wxov", "20"},
      {"system_DEF.wxov", "30"},     {"system_FirstKey.wxov", "1"}, {"system_SecondKey.wxov", "2"},
      {"system_ThirdKey.wxov", "3"}, {"system_GOLD.wxov", "500"},
  };
  EXPECT_EQ(archive.files(), expected);

  // A new start shows the saved values.
  EmulatedScreen next = play("");
  EXPECT_EQ(next.text(0, 2, 19), "| HP:200          |");
}

TEST_F(AuthorEditorRun, ChoiceZeroChangesThePanelButNotTheArchive) {
  archive.write("tf", "3");
  EmulatedScreen s = play("prk-vud\n0\n200\n20\n30\n1\n2\n3\n500\n\n");
  EXPECT_EQ(s.text(0, 2, 19), "| HP:200          |");
  EXPECT_EQ(archive.files(), (std::map<std::string, std::string>{{"system_tf.wxov", "3"}}));
  EmulatedScreen next = play("");
  EXPECT_EQ(next.text(0, 2, 19), "| HP:145          |");
}

TEST_F(AuthorEditorRun, WrongPasswordOrBadAnswerReturnsToTheMapAndKeysStillWork) {
  archive.write("tf", "3");
  // A wrong password, then a bad answer, then a step to the right.
  EmulatedScreen s = play("pRK-VUD\n\nprk-vud 1 50 abc\n\n\x1b[C");
  EXPECT_EQ(s.text(0, 2, 19), "| HP:50           |");
  EXPECT_EQ(s.text(0, 3, 19), "| ATK:10          |");
  EXPECT_EQ(s.text(20, 1, 2), " &");
  EXPECT_EQ(archive.files(), (std::map<std::string, std::string>{{"system_tf.wxov", "3"}}));
}

}  // namespace
}  // namespace vm::test
