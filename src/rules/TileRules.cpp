#include "rules/TileRules.h"

namespace vm {

bool runTileRules(Context&, int) { return false; }

}  // namespace vm
