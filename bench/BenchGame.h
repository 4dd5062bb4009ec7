#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "archive/Archive.h"
#include "game/Game.h"

namespace vm::bench {

// A temporary archive directory, removed afterwards.
class TempArchive {
 public:
  TempArchive();
  ~TempArchive();
  TempArchive(const TempArchive&) = delete;
  TempArchive& operator=(const TempArchive&) = delete;
  Archive& archive() { return archive_; }

 private:
  std::filesystem::path dir_;
  Archive archive_;
};

// The open floor the benchmarks walk on: rows 12 and 13 of the map are blank
// from column 32 to 50, with walls on both ends and no event on any cell.
inline constexpr int kWalkRow = 12;
inline constexpr int kWalkFirstCol = 32;
inline constexpr int kWalkLastCol = 50;

// A game as a measurement wants it before start-up: the archive values it
// starts from and the map cells laid out on the walk.
struct BenchSetup {
  std::vector<std::pair<std::string, int>> archiveNumbers;
  // Cells of row kWalkRow, from kWalkFirstCol + 1 to kWalkLastCol, filled
  // with this character; ' ' leaves the floor as it is.
  char walkFill = ' ';

  // The talent "none" (so no poison tick changes the panel), the player on
  // the first cell of the walk.
  static BenchSetup onWalk(char fill = ' ', std::vector<std::pair<std::string, int>> more = {});

  void seed(Archive& archive) const;
  void prepare(Game& g) const;
};

// Key bytes, as a piped standard input carries them.
std::string arrowBytes(int key);

// One lap of the walk from its first cell and back, as many keys in each of
// the four directions: Right, Down, Right, Up across, Left, Down, Left, Up
// back.
std::vector<int> walkLap();
// The bytes of `laps` laps.
std::string walkBytes(int laps);

}  // namespace vm::bench
