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
int gbkCharLength(std::string_view text, std::size_t i);

}  // namespace vm
