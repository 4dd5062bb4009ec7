#pragma once

#include <array>

namespace vm {

// SGR codes of the console's sixteen colours, in the console's order (blue is
// 1, red 4: the reverse of the ANSI order). Every colour is named
// explicitly, so no cell ever takes the terminal's own default colours.
inline constexpr std::array<int, 16> kSgrForeground = {30, 34, 32, 36, 31, 35, 33, 37, 90, 94, 92, 96, 91, 95, 93, 97};

inline int sgrForeground(int colour) { return kSgrForeground[static_cast<unsigned>(colour) & 0x0F]; }
inline int sgrBackground(int colour) { return sgrForeground(colour) + 10; }

}  // namespace vm
