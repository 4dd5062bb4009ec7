#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "BenchGame.h"
#include "console/ScreenModel.h"
#include "console/TerminalConsole.h"
#include "game/Context.h"

namespace vm::bench {

// The picture and the byte count at one key read, right after the frame
// before it was written, and the write calls since the mark before.
struct Mark {
  std::uint64_t bytes;
  int writes;
  ScreenModel screen;
};

// The game's own terminal console, writing to a descriptor that is not a
// terminal (as when its output is piped), which notes a Mark at every key
// read. Its output goes into a packet socket whose other end, `drainFd`,
// keeps every write call a packet of its own: the bytes are exactly what
// the binary writes to a pipe, and the packets count its write calls.
class MeteredTerminal : public TerminalConsole {
 public:
  MeteredTerminal(int inFd, int outFd, int drainFd) : TerminalConsole(inFd, outFd), drainFd_(drainFd) {}

  int GetKey() override;
  const std::vector<Mark>& marks() const { return marks_; }

 private:
  // Reads the packets waiting; returns their number.
  int drain();

  int drainFd_;
  std::vector<Mark> marks_;
};

// A whole run of the game on a MeteredTerminal: the setup seeds a temporary
// archive and lays out the map, `keys` is the piped input. Mark 0 is the
// first screen; mark i follows the i-th key.
struct Recording {
  std::vector<Mark> marks;
  Ending ending;
  // Bytes of the turn of key i (from 1): what was written between the key
  // read before it and the next one.
  std::uint64_t turnBytes(std::size_t i) const { return marks[i].bytes - marks[i - 1].bytes; }
};
Recording record(const BenchSetup& setup, std::string_view keys);

}  // namespace vm::bench
