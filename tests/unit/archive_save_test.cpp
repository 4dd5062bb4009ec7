#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "archive/AtomicFile.h"
#include "archive/SaveSets.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

using Files = std::map<std::string, std::string>;

class ArchiveSaveTest : public GameFixture {
 protected:
  ArchiveSaveTest() {
    g.x = 30;
    g.y = 110;
    g.HP = 321;
    g.ATK = -5;
    g.DEF = 0;
    g.FirstKey = 1;
    g.SecondKey = 2;
    g.ThirdKey = 3;
    g.Weapons = 4;
    g.Armor = 5;
    g.GOLD = 2147483647;
    g.tj = 6;
    g.jj = 7;
    g.sj = 8;
    g.td = 9;
    g.jd = 10;
    g.sd = -2147483647 - 1;
    g.tf = 2;
    g.ks = 1;
    g.name = "Hero";
    g.qt[1] = "rope";
    g.qt[2] = "two words";
    g.qt_tot = 2;
  }

  // Every entry of the archive directory with its content; entries that are
  // not regular files show as "<dir>".
  Files archiveFiles() const {
    Files files;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
      std::string& content = files[e.path().filename().string()];
      if (!e.is_regular_file()) {
        content = "<dir>";
        continue;
      }
      std::ifstream in(e.path(), std::ios::binary);
      content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
  }

  static std::string file(const std::string& key) { return "system_" + key + ".wxov"; }
};

TEST_F(ArchiveSaveTest, AuthorSaveWritesTheSevenEditedValues) {
  authorSave(ctx);
  const Files expected = {
      {file("HP"), "321"},      {file("ATK"), "-5"},     {file("DEF"), "0"},           {file("FirstKey"), "1"},
      {file("SecondKey"), "2"}, {file("ThirdKey"), "3"}, {file("GOLD"), "2147483647"},
  };
  EXPECT_EQ(archiveFiles(), expected);
  EXPECT_EQ(ctx.ending, Ending::Running);
}

TEST_F(ArchiveSaveTest, LevelSaveWritesTheStartCellAndGkAndEndsTheRun) {
  con.Cout(5, 5, "old screen");
  levelSave(ctx);
  const Files expected = {
      {file("X"), "1"},
      {file("Y"), "20"},
      {file("HP"), "321"},
      {file("ATK"), "-5"},
      {file("DEF"), "0"},
      {file("FirstKey"), "1"},
      {file("SecondKey"), "2"},
      {file("ThirdKey"), "3"},
      {file("Weapons"), "4"},
      {file("Armor"), "5"},
      {file("GOLD"), "2147483647"},
      {file("gk"), "2"},
      {file("tj"), "6"},
      {file("jj"), "7"},
      {file("sj"), "8"},
      {file("td"), "9"},
      {file("jd"), "10"},
      {file("sd"), "-2147483648"},
      {file("qt"), "rope\ntwo words\n"},
  };
  EXPECT_EQ(archiveFiles(), expected);
  EXPECT_EQ(ctx.ending, Ending::LevelSave);
  for (int r = 0; r < 61; ++r) EXPECT_EQ(row(r), "") << "row " << r;
}

TEST_F(ArchiveSaveTest, RespawnSaveWritesThePlayersCellWithoutGk) {
  con.Cout(5, 5, "old screen");
  respawnSave(ctx);
  const Files expected = {
      {file("X"), "30"},
      {file("Y"), "110"},
      {file("HP"), "321"},
      {file("ATK"), "-5"},
      {file("DEF"), "0"},
      {file("FirstKey"), "1"},
      {file("SecondKey"), "2"},
      {file("ThirdKey"), "3"},
      {file("Weapons"), "4"},
      {file("Armor"), "5"},
      {file("GOLD"), "2147483647"},
      {file("tj"), "6"},
      {file("jj"), "7"},
      {file("sj"), "8"},
      {file("td"), "9"},
      {file("jd"), "10"},
      {file("sd"), "-2147483648"},
      {file("qt"), "rope\ntwo words\n"},
  };
  EXPECT_EQ(archiveFiles(), expected);
  EXPECT_EQ(ctx.ending, Ending::Running);
  EXPECT_EQ(row(5), "     old screen");
}

TEST_F(ArchiveSaveTest, ASaveReplacesWhatTheFilesHeld) {
  writeArchiveFile("HP", "99999 and more text");
  writeArchiveFile("qt", "a\nb\nc\nd\n");
  g.qt_tot = 0;
  respawnSave(ctx);
  EXPECT_EQ(readArchiveFile("HP"), "321");
  EXPECT_EQ(readArchiveFile("qt"), "");
}

TEST_F(ArchiveSaveTest, ASavedGameLoadsBackAsItWas) {
  respawnSave(ctx);
  Game loaded;
  archive.load(loaded);
  EXPECT_EQ(loaded.x, 30);
  EXPECT_EQ(loaded.y, 110);
  EXPECT_EQ(loaded.ATK, -5);
  EXPECT_EQ(loaded.GOLD, 2147483647);
  EXPECT_EQ(loaded.sd, -2147483647 - 1);
  EXPECT_EQ(loaded.qt_tot, 2);
  EXPECT_EQ(loaded.qt[2], "two words");
}

// A directory in the place of a file cannot be replaced, even by root.
TEST_F(ArchiveSaveTest, AFileThatCannotBeWrittenIsSkippedAndTheRestAreWritten) {
  std::filesystem::create_directory(dir.path() / file("HP"));
  std::ofstream(dir.path() / file("HP") / "inside") << "kept";
  std::filesystem::create_directory(dir.path() / file("qt"));
  levelSave(ctx);
  Files files = archiveFiles();
  EXPECT_EQ(files.size(), 19u);  // the nineteen names of the set, no temporary beside them
  EXPECT_EQ(files[file("HP")], "<dir>");
  EXPECT_EQ(files[file("qt")], "<dir>");
  EXPECT_EQ(files[file("ATK")], "-5");
  EXPECT_EQ(files[file("sd")], "-2147483648");
  EXPECT_EQ(ctx.ending, Ending::LevelSave);
}

TEST_F(ArchiveSaveTest, AnArchiveWhoseParentIsAFileWritesNothingAndFailsQuietly) {
  writeArchiveFile("blocker", "x");
  Archive nowhere(archive.fileOf("blocker") / "game_archive");
  Context c{g, con, nowhere, [] { return 0u; }};
  respawnSave(c);
  levelSave(c);
  EXPECT_EQ(archiveFiles(), (Files{{file("blocker"), "x"}}));
}

// ---- Atomic replacement -----------------------------------------------------

// Makes every write past `bytes` of a file fail with EFBIG, as a full disk
// fails a write half-way through.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = SIG_DFL;
};

TEST_F(ArchiveSaveTest, AWriteThatFailsHalfWayLeavesTheOldFileAndNoTemporary) {
  writeArchiveFile("qt", "old\n");
  g.qt[1] = std::string(4096, 'x');
  bool written = true;
  {
    FileSizeLimit limit(64);
    written = archive.writeItems(g);
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(archiveFiles(), (Files{{file("qt"), "old\n"}}));
}

TEST_F(ArchiveSaveTest, AFailedRenameLeavesNoTemporary) {
  std::filesystem::create_directory(dir.path() / file("X"));
  EXPECT_FALSE(archive.writeNumber("X", 7));
  EXPECT_EQ(archiveFiles(), (Files{{file("X"), "<dir>"}}));
}

TEST_F(ArchiveSaveTest, ReplacingKeepsNoTemporaryAndTheNewContentOnly) {
  writeArchiveFile("GOLD", "123456789");
  for (int v : {5, -12, 0}) {
    ASSERT_TRUE(archive.writeNumber("GOLD", v));
    EXPECT_EQ(archiveFiles(), (Files{{file("GOLD"), std::to_string(v)}}));
  }
  EXPECT_TRUE(replaceFileAtomically(dir.path() / "plain", ""));
  EXPECT_EQ(std::filesystem::file_size(dir.path() / "plain"), 0u);
}

}  // namespace
}  // namespace vm::test
