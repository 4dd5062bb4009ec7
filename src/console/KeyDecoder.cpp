#include "console/KeyDecoder.h"

#include <array>
#include <cstddef>

namespace vm {

int letterScanCode(int byte) {
  // a..z in set 1: the three letter rows of the PC keyboard.
  static constexpr std::array<int, 26> kCodes = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                                 49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};
  if (byte >= 'a' && byte <= 'z') return kCodes[static_cast<std::size_t>(byte - 'a')];
  if (byte >= 'A' && byte <= 'Z') return kCodes[static_cast<std::size_t>(byte - 'A')];
  return key::Unknown;
}

namespace {

int arrow(int final) {
  switch (final) {
    case 'A': return key::Up;
    case 'B': return key::Down;
    case 'C': return key::Right;
    case 'D': return key::Left;
    default: return key::Unknown;
  }
}

}  // namespace

int decodeKey(ByteSource& in) {
  int b = in.next();
  if (b < 0) return key::EndOfInput;
  if (b == 0x03) return key::Interrupt;
  if (b != 0x1B) return letterScanCode(b);
  int intro = in.peekFollowing();
  if (intro == 'O') {
    in.next();
    return in.peekFollowing() < 0 ? key::Unknown : arrow(in.next());
  }
  if (intro != '[') return key::Unknown;
  in.next();
  // Control sequence: parameter and intermediate bytes, then a final byte.
  for (;;) {
    int c = in.peekFollowing();
    if (c < 0) return key::Unknown;
    in.next();
    if (c >= 0x40 && c <= 0x7E) return arrow(c);
    if (c < 0x20 || c > 0x3F) return key::Unknown;
  }
}

}  // namespace vm
