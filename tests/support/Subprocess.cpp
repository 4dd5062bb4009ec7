#include "support/Subprocess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace vm::test {

ScratchDir::ScratchDir(std::string_view prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (std::string(prefix) + "XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("cannot create a temporary directory: " + std::string(std::strerror(errno)));
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + p.string());
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const std::filesystem::path& p, std::string_view content) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + p.string());
}

std::vector<std::string> currentEnvironment() {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  return env;
}

namespace {

// posix_spawn wants mutable, null-terminated arrays of C strings.
std::vector<char*> cStrings(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (std::string& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

int statusOf(int wstatus) {
  if (WIFEXITED(wstatus)) return WEXITSTATUS(wstatus);
  if (WIFSIGNALED(wstatus)) return 128 + WTERMSIG(wstatus);
  return -1;
}

}  // namespace

ProcessResult runProcess(const std::vector<std::string>& argv, std::string_view stdinBytes,
                         const std::vector<std::string>& env, std::chrono::milliseconds timeout) {
  ScratchDir io("vellmarch-io-");
  const std::string inPath = (io.path() / "stdin").string();
  const std::string outPath = (io.path() / "stdout").string();
  const std::string errPath = (io.path() / "stderr").string();
  writeFile(inPath, stdinBytes);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

  std::vector<std::string> args = argv;
  std::vector<std::string> envCopy = env;
  std::vector<char*> cArgs = cStrings(args);
  std::vector<char*> cEnv = cStrings(envCopy);
  pid_t pid = 0;
  // A bare name is looked up in PATH; anything with a slash is run as given.
  const bool search = argv.at(0).find('/') == std::string::npos;
  int rc = search ? posix_spawnp(&pid, cArgs[0], &actions, nullptr, cArgs.data(), cEnv.data())
                  : posix_spawn(&pid, cArgs[0], &actions, nullptr, cArgs.data(), cEnv.data());
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(rc));

  ProcessResult result;
  int wstatus = 0;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    pid_t done = waitpid(pid, &wstatus, WNOHANG);
    if (done == pid) break;
    if (done < 0 && errno != EINTR) throw std::runtime_error("waitpid failed: " + std::string(std::strerror(errno)));
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid, SIGKILL);
      while (waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
      }
      result.timedOut = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  result.exitStatus = statusOf(wstatus);
  result.out = readFile(outPath);
  result.err = readFile(errPath);
  return result;
}

}  // namespace vm::test
