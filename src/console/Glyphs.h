#pragma once

#include <cstdint>
#include <vector>

namespace vm {

// True for characters of East Asian Width W or F: every terminal gives them
// two cells. All others (ambiguous ones like ■ and — above all) may take one
// cell or two depending on the terminal.
bool eastAsianWide(char32_t cp);

// How a GBK double-byte character reaches the terminal.
struct Glyph {
  enum class Kind : std::uint8_t { Unset, Wide, Uncertain, Failed };
  char utf8[4] = {};
  std::uint8_t length = 0;
  Kind kind = Kind::Unset;
};

// GBK pair -> UTF-8, converted once per pair through iconv and kept.
class GlyphCache {
 public:
  const Glyph& lookup(unsigned char lead, unsigned char trail);

 private:
  std::vector<Glyph> table_;
};

}  // namespace vm
