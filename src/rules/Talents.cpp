#include "rules/Talents.h"

#include "archive/Archive.h"
#include "game/Arith.h"
#include "rules/PanelValueRow.h"
#include "rules/TalentBox.h"

namespace vm {

namespace {

constexpr int kPoisonTalent = 2;
constexpr char kPoisonCause = '2';

// The talent goes through its file so that it survives restarts: what the
// file holds is the talent. When the file cannot be written (an old copy
// may still be there) or read back, the talent stays undrawn and the next
// call draws again.
void drawTalent(Context& c) {
  int drawn = static_cast<int>(c.random() % 5);
  if (!c.archive.writeNumber("tf", drawn)) return;
  c.archive.readNumber("tf", c.g.tf);
}

// Every box draw with the poison talent costs a hit point; the 1st, 11th,
// 21st... tick of a run also brings one attack and one defence.
void poisonTick(Game& g) {
  g.GAMEOVER = kPoisonCause;
  g.zd = satAdd(g.zd, 1);
  if (g.zd % 10 == 1) {
    g.ATK = satAdd(g.ATK, 1);
    g.DEF = satAdd(g.DEF, 1);
  }
  g.HP = satSub(g.HP, 1);
}

}  // namespace

void tfsc(Context& c) {
  c.con.HideCursor();
  if (c.g.tf == -1) drawTalent(c);
  drawTalentBox(c.g, c.con);
  if (c.g.tf == kPoisonTalent) poisonTick(c.g);
}

void heal(Context& c) {
  c.g.ATK = satSub(c.g.ATK, 1);
  c.g.DEF = satSub(c.g.DEF, 1);
  c.g.HP = satAdd(c.g.HP, 10);
  for (int row : {2, 3, 4}) redrawPanelValue(c.g, c.con, row);
}

}  // namespace vm
