#include "rules/Talents.h"

namespace vm {

void tfsc(Context& c) { c.con.HideCursor(); }
void heal(Context&) {}
void selfDestruct(Context&) {}

}  // namespace vm
