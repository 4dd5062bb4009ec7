#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vm::test {

// A temporary directory, removed with everything in it when it goes.
class ScratchDir {
 public:
  explicit ScratchDir(std::string_view prefix = "vellmarch-");
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct ProcessResult {
  int exitStatus = -1;  // the exit code, or 128 + the signal that ended it
  bool timedOut = false;
  std::string out;
  std::string err;
};

// Runs argv[0] (a path, or a name looked up in PATH) without a shell, with
// `stdinBytes` as its standard input (a file, not a terminal), its standard
// output and error captured, and `env` ("NAME=value" entries) as its whole
// environment. A process still running after `timeout` is killed.
ProcessResult runProcess(const std::vector<std::string>& argv, std::string_view stdinBytes,
                         const std::vector<std::string>& env, std::chrono::milliseconds timeout);

// The test's own environment as "NAME=value" entries.
std::vector<std::string> currentEnvironment();

// Whole content of a file; throws std::runtime_error when it cannot be read.
std::string readFile(const std::filesystem::path& p);
void writeFile(const std::filesystem::path& p, std::string_view content);

}  // namespace vm::test
