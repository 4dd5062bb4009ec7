#include "archive/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace vm {

namespace {

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// A name no other writer uses at the same time: the process id keeps two
// running games apart, the counter two writes of one game.
std::filesystem::path temporaryNameFor(const std::filesystem::path& path) {
  static std::atomic<unsigned> counter{0};
  std::string name = ".";
  name.append(path.filename().string()).append(".").append(std::to_string(::getpid()));
  name.append(".").append(std::to_string(counter.fetch_add(1))).append(".tmp");
  return path.parent_path() / name;
}

}  // namespace

bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temp;
  int fd = -1;
  // A leftover of a crashed run may hold the name; the next number is free.
  for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
    temp = temporaryNameFor(path);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;

  bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace vm
