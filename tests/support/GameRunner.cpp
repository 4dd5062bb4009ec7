#include "support/GameRunner.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifndef VELLMARCH_BINARY
#error "VELLMARCH_BINARY must name the game binary of this build"
#endif

namespace vm::test {

namespace {

bool named(const std::string& entry, std::string_view name) {
  return entry.size() > name.size() && entry.compare(0, name.size(), name) == 0 && entry[name.size()] == '=';
}

void setVariable(std::vector<std::string>& env, const std::string& name, const std::string& value) {
  std::erase_if(env, [&](const std::string& e) { return named(e, name); });
  env.push_back(name + "=" + value);
}

}  // namespace

RunResult runVellmarch(std::string_view stdinBytes, const std::vector<std::string>& args,
                       const std::vector<std::pair<std::string, std::string>>& env) {
  ScratchDir home("vellmarch-home-");
  std::vector<std::string> childEnv = currentEnvironment();
  std::erase_if(childEnv, [](const std::string& e) {
    return named(e, "VELLMARCH_ARCHIVE") || named(e, "XDG_DATA_HOME") || named(e, "HOME");
  });
  childEnv.push_back("HOME=" + home.path().string());
  for (const auto& [name, value] : env) setVariable(childEnv, name, value);

  std::vector<std::string> argv{VELLMARCH_BINARY};
  argv.insert(argv.end(), args.begin(), args.end());
  ProcessResult p = runProcess(argv, stdinBytes, childEnv, std::chrono::seconds(kGameTimeoutSeconds));
  if (p.timedOut) ADD_FAILURE() << "vellmarch was still running after " << kGameTimeoutSeconds << " s and was killed";
  return RunResult{p.exitStatus, std::move(p.out), std::move(p.err), p.timedOut};
}

std::filesystem::path TempArchive::fileOf(std::string_view key) const {
  return dir() / ("system_" + std::string(key) + ".wxov");
}

void TempArchive::write(std::string_view key, std::string_view content) const {
  std::filesystem::create_directories(dir());
  writeFile(fileOf(key), content);
}

std::optional<std::string> TempArchive::read(std::string_view key) const {
  if (!std::filesystem::exists(fileOf(key))) return std::nullopt;
  return readFile(fileOf(key));
}

std::map<std::string, std::string> TempArchive::files() const {
  std::map<std::string, std::string> out;
  if (!std::filesystem::is_directory(dir())) return out;
  for (const auto& entry : std::filesystem::directory_iterator(dir()))
    out[entry.path().filename().string()] = entry.is_regular_file() ? readFile(entry.path()) : "<not a file>";
  return out;
}

}  // namespace vm::test
