#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/GameLoop.h"
#include "screens/StatusPanel.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

using ArchiveLoadTest = GameFixture;

struct NumberCase {
  const char* content;  // nullptr: no file at all
  int expected;
};

// HP starts at 777 in every case, so "unchanged" cannot pass by accident as
// a parsed 0 or as the initial 100.
TEST_F(ArchiveLoadTest, NumberFilesReadLikeFormattedExtraction) {
  const NumberCase cases[] = {
      {"42", 42},
      {"-5", -5},
      {"+8", 8},
      {"  \n 17", 17},
      {"\t\r\n9\n", 9},
      {"12abc", 12},
      {"0007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"abc", 777},
      {"", 777},
      {"   \n", 777},
      {"-", 777},
      {"- 5", 777},
      {"2147483648", 777},
      {"-2147483649", 777},
      {"99999999999", 777},
      {"123456789012345678901234567890", 777},
      {nullptr, 777},
  };
  for (const NumberCase& c : cases) {
    std::filesystem::remove(archive.fileOf("HP"));
    if (c.content) writeArchiveFile("HP", c.content);
    Game fresh;
    fresh.HP = 777;
    archive.load(fresh);
    EXPECT_EQ(fresh.HP, c.expected) << '"' << (c.content ? c.content : "<missing>") << '"';
  }
}

TEST_F(ArchiveLoadTest, EveryFileFillsItsOwnVariable) {
  const char* keys[] = {"tf",    "X",    "Y",  "HP", "ATK", "DEF", "FirstKey", "SecondKey", "ThirdKey", "Weapons",
                        "Armor", "GOLD", "ks", "tj", "jj",  "sj",  "td",       "jd",        "sd"};
  int value = 1;
  for (const char* key : keys) writeArchiveFile(key, std::to_string(value++));
  writeArchiveFile("name", "Hero");
  writeArchiveFile("qt", "rope\nlamp\n");
  archive.load(g);

  const std::vector<int> loaded = {g.tf,        g.x,        g.y,       g.HP,    g.ATK,  g.DEF, g.FirstKey,
                                   g.SecondKey, g.ThirdKey, g.Weapons, g.Armor, g.GOLD, g.ks,  g.tj,
                                   g.jj,        g.sj,       g.td,      g.jd,    g.sd};
  std::vector<int> expected(loaded.size());
  for (size_t i = 0; i < expected.size(); ++i) expected[i] = static_cast<int>(i) + 1;
  EXPECT_EQ(loaded, expected);
  EXPECT_EQ(g.name, "Hero");
  EXPECT_EQ(g.qt_tot, 2);
  EXPECT_EQ(g.qt[1], "rope");
  EXPECT_EQ(g.qt[2], "lamp");
}

TEST_F(ArchiveLoadTest, AnEmptyArchiveLeavesEveryValueAsItWas) {
  archive.load(g);
  Game fresh;
  EXPECT_EQ(g.HP, fresh.HP);
  EXPECT_EQ(g.tf, -1);
  EXPECT_EQ(g.x, 1);
  EXPECT_EQ(g.y, 20);
  EXPECT_EQ(g.name, "");
  EXPECT_EQ(g.qt_tot, 0);
}

TEST_F(ArchiveLoadTest, AnUnreadableFileDoesNotDisturbTheFilesAfterIt) {
  std::filesystem::create_directory(archive.fileOf("HP"));
  writeArchiveFile("ATK", "31");
  writeArchiveFile("qt", "rope\n");
  g.HP = 55;
  archive.load(g);
  EXPECT_EQ(g.HP, 55);
  EXPECT_EQ(g.ATK, 31);
  EXPECT_EQ(g.qt_tot, 1);
}

struct NameCase {
  std::string content;
  std::string expected;
};

TEST_F(ArchiveLoadTest, TheNameIsOneWord) {
  const NameCase cases[] = {
      {"Hero", "Hero"},     {"Brave Hero", "Brave"},         {"  \n Lead\tTrail", "Lead"},
      {"Line\r\n", "Line"}, {gbk("勇者 二号"), gbk("勇者")}, {"", "Old"},
      {" \n ", "Old"},
  };
  for (const NameCase& c : cases) {
    writeArchiveFile("name", c.content);
    Game fresh;
    fresh.name = "Old";
    archive.load(fresh);
    EXPECT_EQ(fresh.name, c.expected) << '"' << c.content << '"';
  }
}

// The name's bytes stay as loaded; only the screen turns the escape
// character into "?", so a crafted name file cannot drive the terminal.
TEST_F(ArchiveLoadTest, ControlBytesInTheNameAreKeptButNeverShownRaw) {
  writeArchiveFile("name", "\x1b[2J");
  archive.load(g);
  EXPECT_EQ(g.name, "\x1b[2J");
  drawStatusPanel(g, con);
  EXPECT_EQ(row(1), "| ?[2J-[蓝名]");
}

struct ItemsCase {
  std::string content;
  std::vector<std::string> expected;
};

TEST_F(ArchiveLoadTest, TheItemFileIsReadByLines) {
  const ItemsCase cases[] = {
      {"rope\nlamp\nkey", {"rope", "lamp", "key"}},
      {"rope\nlamp\nkey\n", {"rope", "lamp", "key"}},
      {"rope\r\nlamp\r\n", {"rope", "lamp"}},
      {"two words\n", {"two words"}},
      {"rope\n\nlamp\n", {"rope", "", "lamp"}},
      {"\n", {""}},
      {"", {}},
  };
  for (const ItemsCase& c : cases) {
    writeArchiveFile("qt", c.content);
    Game fresh;
    archive.load(fresh);
    std::vector<std::string> got(fresh.qt.begin() + 1, fresh.qt.begin() + 1 + fresh.qt_tot);
    EXPECT_EQ(got, c.expected) << '"' << c.content << '"';
    EXPECT_TRUE(fresh.qtOverflow.empty());
  }
}

TEST_F(ArchiveLoadTest, ItemsPastTheHundredthAreKeptAndWrittenBack) {
  std::string content;
  for (int i = 1; i <= 150; ++i) content += "item" + std::to_string(i) + "\n";
  writeArchiveFile("qt", content);
  archive.load(g);
  EXPECT_EQ(g.qt_tot, 100);
  EXPECT_EQ(g.qt[1], "item1");
  EXPECT_EQ(g.qt[100], "item100");
  ASSERT_EQ(g.qtOverflow.size(), 50u);
  EXPECT_EQ(g.qtOverflow.front(), "item101");

  std::filesystem::remove(archive.fileOf("qt"));
  ASSERT_TRUE(archive.writeItems(g));
  EXPECT_EQ(readArchiveFile("qt"), content);
}

TEST_F(ArchiveLoadTest, ItemBytesThatAreNotTextSurviveASave) {
  const std::string content = "\x1b]0;title\x07\n\x80\xff\n" + gbk("铁剑") + "\n";
  writeArchiveFile("qt", content);
  archive.load(g);
  EXPECT_EQ(g.qt_tot, 3);
  std::filesystem::remove(archive.fileOf("qt"));
  archive.writeItems(g);
  EXPECT_EQ(readArchiveFile("qt"), content);
}

// The talent draw stores its number through the file and reads it back.
TEST_F(ArchiveLoadTest, TheTalentGoesThroughItsFile) {
  ASSERT_TRUE(archive.writeNumber("tf", 3));
  EXPECT_EQ(readArchiveFile("tf"), "3");
  ASSERT_TRUE(archive.readNumber("tf", g.tf));
  EXPECT_EQ(g.tf, 3);
}

TEST_F(ArchiveLoadTest, WithoutADirectoryTheTalentStaysUndrawn) {
  writeArchiveFile("blocker", "");
  Archive nowhere(archive.fileOf("blocker") / "game_archive");  // its parent is a file
  EXPECT_FALSE(nowhere.writeNumber("tf", 3));
  EXPECT_FALSE(nowhere.readNumber("tf", g.tf));
  EXPECT_EQ(g.tf, -1);
}

// ---- Through start-up ------------------------------------------------------

struct PositionCase {
  const char* x;
  const char* y;
  int row;
  int col;
};

TEST_F(ArchiveLoadTest, StartUpPutsThePlayerOnTheSavedCellOrTheStartCell) {
  const PositionCase cases[] = {
      {"30", "110", 30, 110},  // a respawn point
      {"0", "0", 0, 0},        // a corner is still on the grid
      {"36", "118", 36, 118}, {"37", "20", 1, 20}, {"5", "119", 1, 20},
      {"-1", "20", 1, 20},    {"1", "-3", 1, 20},  {"2147483647", "-2147483648", 1, 20},
  };
  for (const PositionCase& c : cases) {
    writeArchiveFile("X", c.x);
    writeArchiveFile("Y", c.y);
    Game fresh;
    MemoryConsole screen;
    Context run{fresh, screen, archive, [] { return 0u; }};
    startUp(run);
    EXPECT_EQ(fresh.x, c.row) << c.x << "," << c.y;
    EXPECT_EQ(fresh.y, c.col) << c.x << "," << c.y;
    EXPECT_EQ(fresh.Map[static_cast<size_t>(c.row)][static_cast<size_t>(c.col)], ' ');
    EXPECT_EQ(screen.screen().cell(c.col, c.row).byte, '&');
  }
}

TEST_F(ArchiveLoadTest, ALoadedHitPointValueReplacesTheStartUpBonus) {
  startUp(ctx);
  EXPECT_EQ(g.HP, 145);

  writeArchiveFile("HP", "50");
  Game fresh;
  MemoryConsole screen;
  Context run{fresh, screen, archive, [] { return 0u; }};
  startUp(run);
  EXPECT_EQ(fresh.HP, 50);
}

}  // namespace
}  // namespace vm::test
