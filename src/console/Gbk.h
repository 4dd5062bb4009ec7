#pragma once

#include <string>
#include <string_view>

namespace vm {

// GBK <-> UTF-8 through iconv. All game text lives in GBK (one byte per
// console cell); the source holds it as UTF-8 for readability.

// Converts UTF-8 to GBK. Characters GBK lacks become "?".
std::string gbk(std::string_view utf8);

// Converts GBK to UTF-8. Bytes that are not valid GBK become "?".
std::string utf8(std::string_view gbkText);

// Length in bytes of the valid GBK character starting at text[i]:
// 1 for ASCII, 2 for a double-byte character, 0 when the bytes there are
// not a valid character (a stray lead byte, 0x80, 0xFF, a cut-off pair).
// Inline: the screen model's write loop asks it about every byte outside
// ASCII, dozens on every key.
inline int gbkCharLength(std::string_view text, std::size_t i) {
  if (i >= text.size()) return 0;
  unsigned char lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) return 1;
  if (lead == 0x80 || lead == 0xFF) return 0;
  if (i + 1 >= text.size()) return 0;
  unsigned char trail = static_cast<unsigned char>(text[i + 1]);
  if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return 0;
  return 2;
}

}  // namespace vm
