#pragma once

#include "game/Context.h"

namespace vm {

// Key Z: asks whether to reset. Answer 1 deletes the eleven progress files
// behind a progress bar and ends the process (c.ending = Ending::Reset);
// any other answer redraws the game screen.
void resetDialog(Context& c);

}  // namespace vm
