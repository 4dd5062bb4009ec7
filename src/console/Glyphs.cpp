#include "console/Glyphs.h"

#include <algorithm>
#include <array>
#include <string>

#include "console/Gbk.h"

namespace vm {

namespace {

struct Range {
  char32_t first;
  char32_t last;
};

// The W and F ranges of the Basic Multilingual Plane that GBK can reach
// (CJK symbols, kana, ideographs, compatibility forms, full-width forms),
// with the neutral and ambiguous holes inside them left out.
constexpr std::array<Range, 14> kWideRanges = {{
    {0x1100, 0x115F},  // Hangul Jamo leading consonants
    {0x2E80, 0x303E},  // CJK radicals, ideographic description, CJK symbols and punctuation
    {0x3041, 0x3247},  // kana, bopomofo, enclosed CJK letters up to the ambiguous circled numbers
    {0x3250, 0x4DBF},  // enclosed CJK and compatibility, CJK extension A
    {0x4E00, 0x9FFF},  // CJK unified ideographs
    {0xA000, 0xA4CF},  // Yi
    {0xAC00, 0xD7A3},  // Hangul syllables
    {0xF900, 0xFAFF},  // CJK compatibility ideographs
    {0xFE10, 0xFE19},  // vertical forms
    {0xFE30, 0xFE52},  // CJK compatibility forms, small form variants
    {0xFE54, 0xFE66},
    {0xFE68, 0xFE6B},
    {0xFF01, 0xFF60},  // full-width forms
    {0xFFE0, 0xFFE6},
}};

char32_t decodeUtf8(const std::string& s) {
  auto byte = [&](size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(s[i])); };
  if (s.size() == 1) return byte(0);
  if (s.size() == 2) return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
  if (s.size() == 3) return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
  return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
}

constexpr int kLeads = 0xFE - 0x81 + 1;
constexpr int kTrails = 0xFE - 0x40 + 1;

Glyph convert(unsigned char lead, unsigned char trail) {
  Glyph g;
  const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  std::string text = utf8(std::string_view(pair, 2));
  // A pair iconv cannot map comes back as the single "?" (no double-byte
  // character converts to an ASCII question mark).
  if (text == "?" || text.empty() || text.size() > sizeof g.utf8) {
    g.kind = Glyph::Kind::Failed;
    return g;
  }
  std::copy(text.begin(), text.end(), g.utf8);
  g.length = static_cast<std::uint8_t>(text.size());
  g.kind = eastAsianWide(decodeUtf8(text)) ? Glyph::Kind::Wide : Glyph::Kind::Uncertain;
  return g;
}

}  // namespace

bool eastAsianWide(char32_t cp) {
  auto it = std::upper_bound(kWideRanges.begin(), kWideRanges.end(), cp,
                             [](char32_t v, const Range& r) { return v < r.first; });
  return it != kWideRanges.begin() && cp <= std::prev(it)->last;
}

const Glyph& GlyphCache::lookup(unsigned char lead, unsigned char trail) {
  static const Glyph kFailed{{}, 0, Glyph::Kind::Failed};
  if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE || trail == 0x7F) return kFailed;
  if (table_.empty()) table_.resize(static_cast<size_t>(kLeads * kTrails));
  Glyph& g = table_[static_cast<size_t>((lead - 0x81) * kTrails + (trail - 0x40))];
  if (g.kind == Glyph::Kind::Unset) g = convert(lead, trail);
  return g;
}

}  // namespace vm
