#include "screens/InventoryScreen.h"

namespace vm {

void wupin(Context&) {}

}  // namespace vm
