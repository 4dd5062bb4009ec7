#include "support/GameFixture.h"

#include <fstream>
#include <random>
#include <sstream>

namespace vm::test {

TempDir::TempDir() {
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() / ("vellmarch-test-" + std::to_string(rd()) + std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string GameFixture::text(int col, int r, int cells) const {
  std::string bytes;
  for (int i = 0; i < cells; ++i) bytes.push_back(con.screen().cell(col + i, r).byte);
  return utf8(bytes);
}

void GameFixture::writeArchiveFile(const std::string& key, const std::string& content) const {
  std::ofstream(archive.fileOf(key), std::ios::binary) << content;
}

std::string GameFixture::readArchiveFile(const std::string& key) const {
  std::ifstream in(archive.fileOf(key), std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace vm::test
