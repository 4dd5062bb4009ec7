#include "archive/Archive.h"

namespace vm {

std::filesystem::path Archive::fileOf(std::string_view key) const {
  return dir_ / ("system_" + std::string(key) + ".wxov");
}
void Archive::createDirectory() const {
  std::error_code ec;
  std::filesystem::create_directories(dir_, ec);
}
void Archive::load(Game&) const {}
bool Archive::writeNumber(std::string_view, int) const { return false; }
bool Archive::readNumber(std::string_view, int&) const { return false; }
bool Archive::writeItems(const Game&) const { return false; }
void Archive::remove(std::string_view key) const {
  std::error_code ec;
  std::filesystem::remove(fileOf(key), ec);
}
void Archive::writeAuthorSet(const Game&) const {}
void Archive::writeLevelSet(const Game&) const {}
void Archive::writeRespawnSet(const Game&) const {}

}  // namespace vm
