#pragma once

#include "console/Console.h"
#include "game/Game.h"

namespace vm {

// The talent actions redraw the panel rows they change in their own form:
// the row's template first, then label, value and three blanks. Rows 2
// (HP), 3 (ATK) and 4 (DEF); any other row is left alone.
void redrawPanelValue(const Game& g, Console& con, int row);

}  // namespace vm
