#include <gtest/gtest.h>

#include "rules/Talents.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

// The box area filled with marks wider than the box, so that a test sees
// exactly which cells the box wrote.
class TalentBoxTest : public GameFixture {
 protected:
  TalentBoxTest() {
    for (int r = 11; r <= 15; ++r) con.Cout(0, r, "XXXXXXXXXXXXXXXXXXXXXX");
  }
  std::vector<std::string> boxRows() const {
    std::vector<std::string> rows;
    for (int r = 11; r <= 15; ++r) rows.push_back(text(0, r, 19));
    return rows;
  }
  bool boxAreaUntouched() const {
    for (int r = 11; r <= 15; ++r)
      if (text(0, r, 22) != "XXXXXXXXXXXXXXXXXXXXXX") return false;
    return true;
  }
};

struct BoxCase {
  int tf;
  int zb;
  std::vector<std::string> rows;
};

TEST_F(TalentBoxTest, EachTalentDrawsItsFiveLinesOfNineteenCells) {
  const std::vector<std::string> none = {"| 天赋:无         |", "|                 |", "|                 |",
                                         "|                 |", "|                 |"};
  const BoxCase cases[] = {
      {0,
       3,
       {"| 天赋:治愈       |", "| 花费1ATK和1DEF  |", "| 提升10HP        |", "| ATK>0并且DEF>0  |",
        "| 即可使用        |"}},
      {1,
       3,
       {"| 天赋:自爆(3次)  |", "| 将HP化为1,摧毁  |", "| 以自身为中心的  |", "| 5*7区域         |",
        "| HP>=70即可使用  |"}},
      {1,
       0,
       {"| 天赋:自爆(0次)  |", "| 将HP化为1,摧毁  |", "| 以自身为中心的  |", "| 5*7区域         |",
        "| HP>=70即可使用  |"}},
      {2,
       3,
       {"| 天赋:中毒       |", "| 加油吧!年轻人   |", "| 希望你能抗毒哦  |", "| 走一步,掉一滴血 |",
        "|(每掉十滴有惊喜!)|"}},
      {3, 3, none},
      {4, 3, none},
      {5,
       3,
       {"| 天赋:战神降临   |", "| 条件:HP>5000    |", "| [不然会死]      |", "| ATK+99999,DEF=0 |",
        "| HP+5000         |"}},
  };
  for (const BoxCase& bc : cases) {
    g.tf = bc.tf;
    g.zb = bc.zb;
    tfsc(ctx);
    EXPECT_EQ(boxRows(), bc.rows) << "talent " << bc.tf;
    for (int r = 11; r <= 15; ++r) EXPECT_EQ(text(19, r, 3), "XXX") << "talent " << bc.tf << " row " << r;
  }
}

TEST_F(TalentBoxTest, TalentsWithoutABoxLeaveTheAreaAndTheGameAlone) {
  for (int tf : {-2, 6, 99}) {
    g.tf = tf;
    tfsc(ctx);
    EXPECT_TRUE(boxAreaUntouched()) << "talent " << tf;
    EXPECT_EQ(g.HP, 100);
    EXPECT_EQ(g.GAMEOVER, 0);
    EXPECT_EQ(readArchiveFile("tf"), "<missing>");
  }
}

TEST_F(TalentBoxTest, EveryCallHidesTheCursor) {
  g.tf = 3;
  tfsc(ctx);
  EXPECT_TRUE(con.cursorHidden());
}

TEST_F(TalentBoxTest, FirstDrawWritesTheTalentFileAndShowsItsBox) {
  struct DrawCase {
    unsigned random;
    int tf;
    const char* title;
  };
  const DrawCase cases[] = {
      {0, 0, "| 天赋:治愈       |"},           {6, 1, "| 天赋:自爆(3次)  |"},  {4, 4, "| 天赋:无         |"},
      {4294967295u, 0, "| 天赋:治愈       |"}, {13, 3, "| 天赋:无         |"},
  };
  for (const DrawCase& dc : cases) {
    g.tf = -1;
    randomValue = dc.random;
    tfsc(ctx);
    EXPECT_EQ(g.tf, dc.tf) << dc.random;
    EXPECT_EQ(readArchiveFile("tf"), std::to_string(dc.tf)) << dc.random;
    EXPECT_EQ(boxRows()[0], dc.title) << dc.random;
  }
}

TEST_F(TalentBoxTest, DrawnPoisonTicksAtOnce) {
  randomValue = 7;
  tfsc(ctx);
  EXPECT_EQ(g.tf, 2);
  EXPECT_EQ(readArchiveFile("tf"), "2");
  EXPECT_EQ(boxRows()[0], "| 天赋:中毒       |");
  EXPECT_EQ(g.HP, 99);
  EXPECT_EQ(g.zd, 1);
}

TEST_F(TalentBoxTest, LoadedTalentIsNotDrawnAgain) {
  writeArchiveFile("tf", "1");
  g.tf = 0;  // as loaded at start-up
  randomValue = 1;
  tfsc(ctx);
  EXPECT_EQ(g.tf, 0);
  EXPECT_EQ(readArchiveFile("tf"), "1");
}

// An archive that cannot hold the talent file: a directory stands where the
// file should be.
TEST_F(TalentBoxTest, UnwritableArchiveLeavesTheTalentUndrawnAndDrawsAgainNextTime) {
  std::filesystem::create_directory(archive.fileOf("tf"));
  int draws = 0;
  ctx.random = [&draws] {
    ++draws;
    return 2u;
  };
  tfsc(ctx);
  EXPECT_EQ(g.tf, -1);
  EXPECT_TRUE(boxAreaUntouched());
  EXPECT_EQ(g.HP, 100);
  tfsc(ctx);
  EXPECT_EQ(draws, 2);
  EXPECT_EQ(g.tf, -1);

  std::filesystem::remove(archive.fileOf("tf"));
  tfsc(ctx);
  EXPECT_EQ(draws, 3);
  EXPECT_EQ(g.tf, 2);
  EXPECT_EQ(boxRows()[0], "| 天赋:中毒       |");
}

TEST_F(TalentBoxTest, ArchiveWithoutDirectoryNeverDraws) {
  writeArchiveFile("blocker", "");
  Archive nowhere(archive.fileOf("blocker") / "game_archive");
  Context c{g, con, nowhere, [] { return 1u; }};
  tfsc(c);
  EXPECT_EQ(g.tf, -1);
  EXPECT_TRUE(boxAreaUntouched());
}

}  // namespace
}  // namespace vm::test
