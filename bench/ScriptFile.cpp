#include "ScriptFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

namespace vm::bench {

Fd::Fd(int fd) : fd_(fd) {
  if (fd_ < 0) throw std::runtime_error("vellmarch_bench: cannot open a file for the run");
}

Fd::~Fd() { close(fd_); }

int openScript(std::string_view bytes) {
  std::FILE* f = std::tmpfile();
  if (f == nullptr) return -1;
  int fd = dup(fileno(f));
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0;
  std::fclose(f);
  if (fd >= 0 && (!written || lseek(fd, 0, SEEK_SET) != 0)) {
    close(fd);
    fd = -1;
  }
  return fd;
}

int openDevNull() { return open("/dev/null", O_WRONLY | O_CLOEXEC); }

}  // namespace vm::bench
