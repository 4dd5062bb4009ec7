#include "editor/AuthorEditor.h"

#include "main/SharedOps.h"

namespace vm {

void authorEditor(Context& c) { fullRedraw(c); }

}  // namespace vm
