#pragma once

#include "game/Context.h"

namespace vm {

// Key P: the password-locked editor of seven player values, ending with a
// full redraw. An answer that is not a number (or input that ends) stops
// the questions: the values already typed stay, the rest keep their old
// values, nothing is saved and the error text is shown.
void authorEditor(Context& c);

}  // namespace vm
