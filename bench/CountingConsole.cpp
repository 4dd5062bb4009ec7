#include "CountingConsole.h"

namespace vm::bench {

CountingConsole::CountingConsole(std::string scriptBytes)
    : ModelConsole(kWidth, kHeight),
      script_(std::move(scriptBytes)),
      reader_([] { return std::optional<std::string>(); }),
      renderer_(kWidth, kHeight) {}

void CountingConsole::Clear() {
  ModelConsole::Clear();
  renderer_.repaintAll();
}

int CountingConsole::GetKey() {
  flush();
  if (keysLeft_ <= 0 || script_.empty()) return key::EndOfInput;
  --keysLeft_;
  return decodeKey(*this);
}

void CountingConsole::flush() {
  frame_.clear();
  renderer_.render(screen_, frame_);
  bytes_ += frame_.size();
}

int CountingConsole::next() {
  const unsigned char b = static_cast<unsigned char>(script_[pos_]);
  pos_ = pos_ + 1 == script_.size() ? 0 : pos_ + 1;
  return b;
}

int CountingConsole::peekFollowing() { return static_cast<unsigned char>(script_[pos_]); }

}  // namespace vm::bench
