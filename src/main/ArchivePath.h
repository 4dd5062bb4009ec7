#pragma once

#include <filesystem>
#include <string>

namespace vm {

// Where the archive lives when no --archive is given: $VELLMARCH_ARCHIVE,
// else $XDG_DATA_HOME/vellmarch/game_archive, else
// ~/.local/share/vellmarch/game_archive.
std::filesystem::path defaultArchiveDir(const char* vellmarchArchive, const char* xdgDataHome, const char* home);

}  // namespace vm
