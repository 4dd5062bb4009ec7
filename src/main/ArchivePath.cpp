#include "main/ArchivePath.h"

namespace vm {

namespace {
bool set(const char* v) { return v != nullptr && *v != '\0'; }
}  // namespace

std::filesystem::path defaultArchiveDir(const char* vellmarchArchive, const char* xdgDataHome, const char* home) {
  if (set(vellmarchArchive)) return vellmarchArchive;
  std::filesystem::path data;
  if (set(xdgDataHome))
    data = xdgDataHome;
  else
    data = std::filesystem::path(set(home) ? home : ".") / ".local" / "share";
  return data / "vellmarch" / "game_archive";
}

}  // namespace vm
