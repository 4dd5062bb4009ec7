#include "main/GameLoop.h"

#include "archive/Archive.h"
#include "game/WorldMap.h"
#include "main/RuleChain.h"
#include "main/SharedOps.h"
#include "rules/Talents.h"
#include "screens/StatusPanel.h"

namespace vm {

void startUp(Context& c) {
  c.archive.createDirectory();
  c.con.Clear();
  c.con.Size(122, 61);
  c.con.HideCursor();
  c.con.Clear();
  applyStartupPatch(c.g);
  mapPrint(c.g, c.con);
  // The passages of column 32 stay printed as walls but are walkable.
  c.g.Map[27][32] = ' ';
  c.g.Map[28][32] = ' ';
  c.archive.load(c.g);
  if (!Game::onGrid(c.g.x, c.g.y)) {  // a saved position off the grid: the start cell
    c.g.x = 1;
    c.g.y = 20;
  }
  c.g.Map[static_cast<size_t>(c.g.x)][static_cast<size_t>(c.g.y)] = ' ';
  c.con.Cout(c.g.y, c.g.x, "&");
}

Ending mainLoop(Context& c) {
  for (;;) {
    drawStatusPanel(c.g, c.con);
    tfsc(c);
    int d = 0;
    while (d <= 0) {
      int key = c.con.GetKey();
      if (key == key::EndOfInput || key == key::Interrupt) return Ending::InputEnded;
      bool ruleRan = dispatch(c, key);
      if (c.ending != Ending::Running) return c.ending;
      if (!ruleRan) d = -1;
      if (turnEnd(c)) return c.ending;
      ++d;
    }
  }
}

Ending runGame(Context& c) {
  startUp(c);
  return mainLoop(c);
}

void exitPause(Console& con) {
  con.In().discardBuffered();
  con.In().get();
}

}  // namespace vm
