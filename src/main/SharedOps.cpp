#include "main/SharedOps.h"

#include "game/WorldMap.h"
#include "rules/Talents.h"
#include "screens/GameOverScreen.h"
#include "screens/StatusPanel.h"

namespace vm {

std::optional<Direction> directionOf(int key) {
  switch (key) {
    case key::Up: return Direction{-1, 0};
    case key::Down: return Direction{1, 0};
    case key::Left: return Direction{0, -1};
    case key::Right: return Direction{0, 1};
    default: return std::nullopt;
  }
}

void step(Context& c, int key) {
  std::optional<Direction> d = directionOf(key);
  if (!d) return;
  c.con.Cout(c.g.y, c.g.x, " ");
  c.g.x += d->dRow;
  c.g.y += d->dCol;
  c.con.Cout(c.g.y, c.g.x, "&");
}

void fullRedraw(Context& c) {
  c.con.Clear();
  applyWallOverlays(c.g);
  applyKeyRoomPattern(c.g);
  mapPrint(c.g, c.con);
  removeWallOverlays(c.g);
  c.con.Cout(c.g.y, c.g.x, "&");
  drawStatusPanel(c.g, c.con);
  tfsc(c);
}

bool turnEnd(Context& c) {
  if (c.g.HP > 0) return false;
  showGameOver(c.g, c.con);
  c.ending = Ending::GameOver;
  return true;
}

}  // namespace vm
