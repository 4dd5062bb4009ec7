#pragma once

#include <string_view>

namespace vm::bench {

// An open descriptor, closed with its owner; a failed open throws.
class Fd {
 public:
  explicit Fd(int fd);
  ~Fd();
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Scripted input as an unnamed temporary file, read from its start, so that
// the game reads it exactly as it reads a redirected standard input.
int openScript(std::string_view bytes);

// /dev/null for writing: the output goes nowhere, but every frame is still
// one write call.
int openDevNull();

}  // namespace vm::bench
