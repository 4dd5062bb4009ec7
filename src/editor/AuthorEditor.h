#pragma once

#include "game/Context.h"

namespace vm {

// Key P: the password-locked editor of seven player values, ending with a
// full redraw.
void authorEditor(Context& c);

}  // namespace vm
