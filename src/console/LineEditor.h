#pragma once

#include <functional>
#include <optional>
#include <string>

#include "console/KeyDecoder.h"
#include "console/ScreenModel.h"

namespace vm {

// One answer typed on a raw terminal: printable characters are echoed into
// the screen model at its output position (so the model stays what the
// terminal shows), Backspace takes back the last character, Enter ends the
// line and echoes a line end. UTF-8 typed by the user is kept as GBK, like
// everything else the game handles.
struct LineEditor {
  ByteSource& in;
  ScreenModel& screen;
  std::function<void()> show;       // sends the echo to the terminal
  std::function<void()> interrupt;  // Ctrl-C; does not return

  // The line with its '\n'; at end of input what was typed so far without
  // one, or nothing when nothing was.
  std::optional<std::string> read();
};

}  // namespace vm
