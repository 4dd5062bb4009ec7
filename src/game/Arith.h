#pragma once

#include <cstdint>
#include <limits>

namespace vm {

// Every change to a game value goes through these: a result beyond the
// 32-bit range stops at the nearest bound instead of wrapping.

inline int clamp32(std::int64_t v) {
  if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

inline int satAdd(int a, int b) { return clamp32(std::int64_t{a} + b); }
inline int satSub(int a, int b) { return clamp32(std::int64_t{a} - b); }
inline int satMul(int a, int b) { return clamp32(std::int64_t{a} * b); }

// Halving rounds toward zero, as integer division by 2 does.
inline int halve(int a) { return a / 2; }

}  // namespace vm
