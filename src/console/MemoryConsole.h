#pragma once

#include <string>
#include <vector>

#include "console/Console.h"

namespace vm {

// An in-memory console of 122 x 61 cells for tests: keys and answers come
// from one scripted byte stream, decoded exactly as a piped standard input
// is; pauses are recorded, not waited.
class MemoryConsole : public ModelConsole, private ByteSource {
 public:
  explicit MemoryConsole(std::string input = {});

  // Appends bytes to the scripted input.
  void feed(std::string_view bytes) { input_.append(bytes); }

  int GetKey() override { return decodeKey(*this); }
  void Sleep(int ms) override { sleeps_.push_back(ms); }
  LineReader& In() override { return reader_; }

  const std::vector<int>& sleeps() const { return sleeps_; }
  // Bytes of the script not read yet.
  std::string_view unread() const { return std::string_view(input_).substr(pos_); }

 private:
  int next() override { return pos_ < input_.size() ? static_cast<unsigned char>(input_[pos_++]) : -1; }
  int peekFollowing() override { return pos_ < input_.size() ? static_cast<unsigned char>(input_[pos_]) : -1; }

  std::string input_;
  size_t pos_ = 0;
  LineReader reader_;
  std::vector<int> sleeps_;
};

}  // namespace vm
