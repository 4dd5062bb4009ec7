#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "archive/Archive.h"
#include "console/Gbk.h"
#include "console/MemoryConsole.h"
#include "game/Context.h"
#include "game/Game.h"

namespace vm::test {

// Byte sequences of the keys, as a piped standard input carries them.
inline const std::string kUp = "\x1b[A";
inline const std::string kDown = "\x1b[B";
inline const std::string kRight = "\x1b[C";
inline const std::string kLeft = "\x1b[D";

// A temporary archive directory, removed with the fixture.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A fresh game on an in-memory screen with an empty temporary archive. The
// talent draw returns `randomValue`.
class GameFixture : public ::testing::Test {
 protected:
  GameFixture() : archive(dir.path()), ctx{g, con, archive, [this] { return randomValue; }} {}

  // Text of a screen row as UTF-8, trailing blanks removed.
  std::string row(int r) const { return con.screen().rowText(r); }
  // UTF-8 text of `cells` cells from (col, row).
  std::string text(int col, int r, int cells) const;
  // The map cell as a character.
  char cell(int r, int c) const { return g.Map[static_cast<size_t>(r)][static_cast<size_t>(c)]; }
  void setCell(int r, int c, char ch) { g.Map[static_cast<size_t>(r)][static_cast<size_t>(c)] = ch; }
  // Writes a file of the archive directly.
  void writeArchiveFile(const std::string& key, const std::string& content) const;
  // Reads a file of the archive; "<missing>" when it does not exist.
  std::string readArchiveFile(const std::string& key) const;

  TempDir dir;
  Game g;
  MemoryConsole con;
  Archive archive;
  unsigned randomValue = 0;
  Context ctx;
};

}  // namespace vm::test
