#pragma once

#include <array>
#include <string_view>

namespace vm {

inline constexpr int kRows = 37;       // Q: rows of the world
inline constexpr int kCols = 119;      // cells of content per row
inline constexpr int kRowBytes = 121;  // content plus the two zero bytes that end a row

extern const std::array<std::string_view, kRows> kInitialMapUtf8;

}  // namespace vm
