#pragma once

#include <cstdint>
#include <string>

#include "console/Console.h"
#include "console/Renderer.h"

namespace vm::bench {

// A console with no terminal behind it: before every key read and pause the
// picture goes through the real renderer into a byte counter, and keys come
// from a script that repeats, for as many keys as it is given. Nothing is
// written anywhere, so a benchmark times the game and the renderer alone.
class CountingConsole : public ModelConsole, private ByteSource {
 public:
  static constexpr int kWidth = 122;
  static constexpr int kHeight = 61;

  explicit CountingConsole(std::string scriptBytes);

  // The next `keys` key reads take keys from the script; the one after
  // them finds the end of input.
  void giveKeys(std::int64_t keys) { keysLeft_ = keys; }

  void Clear() override;
  int GetKey() override;
  void Sleep(int) override { flush(); }
  LineReader& In() override { return reader_; }

  // Renders what changed since the last flush and counts its bytes.
  void flush();
  std::uint64_t bytes() const { return bytes_; }

 private:
  int next() override;
  int peekFollowing() override;

  std::string script_;
  std::size_t pos_ = 0;
  std::int64_t keysLeft_ = 0;
  LineReader reader_;
  Renderer renderer_;
  std::string frame_;
  std::uint64_t bytes_ = 0;
};

}  // namespace vm::bench
