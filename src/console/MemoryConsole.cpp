#include "console/MemoryConsole.h"

namespace vm {

MemoryConsole::MemoryConsole(std::string input)
    : ModelConsole(122, 61), input_(std::move(input)), reader_([this]() -> std::optional<std::string> {
        if (pos_ >= input_.size()) return std::nullopt;
        size_t nl = input_.find('\n', pos_);
        size_t end = nl == std::string::npos ? input_.size() : nl + 1;
        std::string line = input_.substr(pos_, end - pos_);
        pos_ = end;
        return line;
      }) {}

}  // namespace vm
