#pragma once

namespace vm {

// Scan codes the game knows (PC keyboard, set 1).
namespace key {
inline constexpr int Up = 72;
inline constexpr int Down = 80;
inline constexpr int Left = 75;
inline constexpr int Right = 77;
inline constexpr int A = 30;
inline constexpr int B = 48;
inline constexpr int M = 50;
inline constexpr int P = 25;
inline constexpr int Z = 44;
inline constexpr int Unknown = 0;  // any key no rule uses
inline constexpr int EndOfInput = -1;
inline constexpr int Interrupt = -2;  // Ctrl-C on a terminal
}  // namespace key

// A stream of input bytes for the decoder.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // The next byte, blocking; -1 at end of input.
  virtual int next() = 0;
  // The byte that follows within an escape sequence, without taking it;
  // -1 when none follows (end of input, or on a terminal a lone Escape).
  virtual int peekFollowing() = 0;
};

// Scan code of a letter of either case, or key::Unknown.
int letterScanCode(int byte);

// Reads one key: ESC [ A..D and ESC O A..D are the arrows (modifier
// parameters are ignored), other escape sequences are swallowed whole as
// key::Unknown, a letter is its scan code, any other byte is key::Unknown.
int decodeKey(ByteSource& in);

}  // namespace vm
