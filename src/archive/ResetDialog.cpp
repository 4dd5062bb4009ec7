#include "archive/ResetDialog.h"

#include "main/SharedOps.h"

namespace vm {

void resetDialog(Context& c) { fullRedraw(c); }

}  // namespace vm
