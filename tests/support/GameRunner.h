#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/Subprocess.h"

namespace vm::test {

struct RunResult {
  int exitStatus;  // the exit code, or 128 + the signal that ended the game
  std::string out;
  std::string err;
  bool timedOut = false;
};

// How long one run of the game may take before it is killed and the test
// fails; generous for a sanitizer build on a busy machine.
inline constexpr int kGameTimeoutSeconds = 20;

// Runs the game binary of this build with `stdinBytes` as its standard input
// (not a terminal) and `args` on its command line, and captures what it
// writes. It inherits the test's environment without VELLMARCH_ARCHIVE and
// XDG_DATA_HOME, and with HOME set to an empty scratch directory, so that a
// run never reaches the archive of whoever runs the tests; `env` sets
// variables on top (HOME included).
RunResult runVellmarch(std::string_view stdinBytes, const std::vector<std::string>& args,
                       const std::vector<std::pair<std::string, std::string>>& env = {});

// A temporary directory holding an archive: seed it before a run, read it
// back after. The archive directory is dir() (not created until something is
// written into it); everything goes with the object.
class TempArchive {
 public:
  TempArchive() : root_("vellmarch-e2e-") {}

  // The scratch directory that holds the archive directory.
  const std::filesystem::path& root() const { return root_.path(); }
  std::filesystem::path dir() const { return root() / "game_archive"; }
  // "--archive DIR" for the command line.
  std::vector<std::string> args() const { return {"--archive", dir().string()}; }

  std::filesystem::path fileOf(std::string_view key) const;
  // Writes system_<key>.wxov with exactly these bytes.
  void write(std::string_view key, std::string_view content) const;
  // Bytes of system_<key>.wxov; nullopt when it does not exist.
  std::optional<std::string> read(std::string_view key) const;
  // Every file of the archive directory, by name, with its bytes.
  std::map<std::string, std::string> files() const;

 private:
  ScratchDir root_;
};

}  // namespace vm::test
