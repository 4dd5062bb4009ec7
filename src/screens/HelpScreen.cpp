#include "screens/HelpScreen.h"

namespace vm {

void showHelp(Context&) {}

}  // namespace vm
