#include "main/RuleChain.h"

#include "archive/ResetDialog.h"
#include "editor/AuthorEditor.h"
#include "main/SharedOps.h"
#include "rules/Events.h"
#include "rules/Talents.h"
#include "rules/TileRules.h"
#include "screens/HelpScreen.h"
#include "screens/InventoryScreen.h"

namespace vm {

namespace {

void openHelp(Context& c) {
  showHelp(c);
  c.g.jjj = 1;
}
void closeHelp(Context& c) {
  fullRedraw(c);
  c.g.jjj = 0;
}
void openInventory(Context& c) {
  wupin(c);
  c.g.jjjj = 1;
}
void closeInventory(Context& c) {
  fullRedraw(c);
  c.g.jjjj = 0;
}

// One dispatch test: its key, the condition on the game, the handler. A
// test that opens a screen skips the test after it, which would otherwise
// close the screen again with the same key.
struct DispatchTest {
  int key;
  bool (*holds)(const Game&);
  void (*handler)(Context&);
  bool skipsNext;
};

const DispatchTest kDispatchTests[] = {
    {key::B, [](const Game& g) { return g.jjj == 0; }, openHelp, true},
    {key::B, [](const Game& g) { return g.jjj == 1; }, closeHelp, false},
    {key::M, [](const Game& g) { return g.jjjj == 0; }, openInventory, true},
    {key::M, [](const Game& g) { return g.jjjj == 1; }, closeInventory, false},
    {key::A, [](const Game& g) { return g.tf == 0 && g.ATK > 0 && g.DEF > 0; }, heal, false},
    {key::A, [](const Game& g) { return g.tf == 1 && g.HP >= 70 && g.zb > 0; }, selfDestruct, false},
    {key::Z, [](const Game&) { return true; }, resetDialog, false},
    {key::P, [](const Game&) { return true; }, authorEditor, false},
};

}  // namespace

bool runRuleChain(Context& c, int key) { return runTileRules(c, key) || runEvents(c, key); }

bool dispatch(Context& c, int key) {
  bool skip = false;
  for (const DispatchTest& t : kDispatchTests) {
    if (skip) {
      skip = false;
      continue;
    }
    if (t.key != key || !t.holds(c.g)) continue;
    t.handler(c);
    if (c.ending != Ending::Running) return false;  // a confirmed reset ends the process here
    skip = t.skipsNext;
  }
  return runRuleChain(c, key);
}

}  // namespace vm
