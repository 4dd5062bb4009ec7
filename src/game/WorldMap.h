#pragma once

#include "console/Console.h"
#include "game/Game.h"

namespace vm {

// Prints the whole map through standard output from the current output
// position, hiding death walls except the six shop cells. The map is not
// changed.
void mapPrint(Game& g, Console& con);

// Once at start-up, before the first map print: 45 more hit points and the
// eleven cells that differ from the drawn map.
void applyStartupPatch(Game& g);

// Cells that stay walkable but are printed as walls by every map print:
// the two passages of column 32 and, once opened, the upper key-room door.
void applyWallOverlays(Game& g);
void removeWallOverlays(Game& g);

// While the key room is armed, every full redraw refills it.
void applyKeyRoomPattern(Game& g);

}  // namespace vm
