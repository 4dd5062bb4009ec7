#include "BenchGame.h"

#include <random>

#include "console/KeyDecoder.h"

namespace vm::bench {

TempArchive::TempArchive()
    : dir_(std::filesystem::temp_directory_path() / ("vellmarch-bench-" + std::to_string(std::random_device{}()))),
      archive_(dir_) {
  std::filesystem::create_directories(dir_);
}

TempArchive::~TempArchive() {
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

BenchSetup BenchSetup::onWalk(char fill, std::vector<std::pair<std::string, int>> more) {
  constexpr int kTalentNone = 3;
  BenchSetup s;
  s.archiveNumbers = {{"tf", kTalentNone}, {"X", kWalkRow}, {"Y", kWalkFirstCol}};
  s.archiveNumbers.insert(s.archiveNumbers.end(), more.begin(), more.end());
  s.walkFill = fill;
  return s;
}

void BenchSetup::seed(Archive& archive) const {
  archive.createDirectory();
  for (const auto& [key, value] : archiveNumbers) archive.writeNumber(key, value);
}

void BenchSetup::prepare(Game& g) const {
  if (walkFill == ' ') return;
  for (int col = kWalkFirstCol + 1; col <= kWalkLastCol; ++col)
    g.Map[static_cast<size_t>(kWalkRow)][static_cast<size_t>(col)] = walkFill;
}

std::string arrowBytes(int key) {
  switch (key) {
    case key::Up: return "\x1b[A";
    case key::Down: return "\x1b[B";
    case key::Right: return "\x1b[C";
    case key::Left: return "\x1b[D";
    default: return "";
  }
}

std::vector<int> walkLap() {
  std::vector<int> keys;
  constexpr int kPairs = (kWalkLastCol - kWalkFirstCol) / 2;
  for (int across : {key::Right, key::Left}) {
    for (int i = 0; i < kPairs; ++i) {
      for (int k : {across, key::Down, across, key::Up}) keys.push_back(k);
    }
  }
  return keys;
}

std::string walkBytes(int laps) {
  std::string lap;
  for (int k : walkLap()) lap += arrowBytes(k);
  std::string bytes;
  bytes.reserve(lap.size() * static_cast<size_t>(laps));
  for (int i = 0; i < laps; ++i) bytes += lap;
  return bytes;
}

}  // namespace vm::bench
