#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "game/Game.h"

namespace vm {

// The archive directory: one small text file per saved value, named
// system_<key>.wxov. Every write replaces its file atomically.
class Archive {
 public:
  explicit Archive(std::filesystem::path dir) : dir_(std::move(dir)) {}

  const std::filesystem::path& dir() const { return dir_; }
  std::filesystem::path fileOf(std::string_view key) const;

  // Creates the directory and its parents when missing; errors are ignored
  // (the game then runs without an archive).
  void createDirectory() const;

  // Reads every file into the game, in the load order; a missing or
  // unreadable file leaves its variable as it was.
  void load(Game& g) const;

  // Writes one number file; false when it could not be written.
  bool writeNumber(std::string_view key, int value) const;
  // Reads one number file; false (and `value` untouched) when the file is
  // missing or holds no 32-bit number.
  bool readNumber(std::string_view key, int& value) const;
  // Writes the item file: entries 1..qt_tot, then the lines kept beyond them.
  bool writeItems(const Game& g) const;
  // Deletes one file; a file already missing is no error, and a directory
  // carrying the name is left alone.
  void remove(std::string_view key) const;

  // The save sets, each file written in its stated order.
  void writeAuthorSet(const Game& g) const;
  void writeLevelSet(const Game& g) const;
  void writeRespawnSet(const Game& g) const;

 private:
  std::filesystem::path dir_;
};

}  // namespace vm
