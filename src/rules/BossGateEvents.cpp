#include "rules/BossGateEvents.h"

#include "console/Gbk.h"
#include "game/Arith.h"

namespace vm {

namespace {

// Drawn over the treasure room and its south wall. The HP figure is the
// box's own and not the boss's.
constexpr const char* kNoticeBox[] = {
    "|----------------------|",  //
    "|M是BOOS               |",  //
    "|HP=20000, ATK=5000    |",  //
    "|DEF=5000,  GOLD=10000 |",  //
    "|打败BOOS后请请进入一一|",  //
    "|生死门,下一关是福利关!|",  //
    "|----------------------|",
};

// Tenfold hit points for the fight ahead; row 27 becomes solid wall again,
// which shuts the treasure room that the opening rule had opened.
void bossNotice(Context& c, const Firing& f) {
  enterAndClear(c, f);
  c.g.HP = satMul(c.g.HP, 10);
  int row = 21;
  for (const char* line : kNoticeBox) c.con.Cout(48, row++, gbk(line));
  fillRow(c.g, 27, 48, 71, '#');
}

// The way out towards the gate of life and death. No cause code: a death
// here keeps the boss's (or the poison's).
void bossExit(Context& c, const Firing& f) {
  enterAndClear(c, f);
  c.g.HP = satSub(c.g.HP, 10000);
}

}  // namespace

std::vector<FixedCellEvent> bossGateEvents() {
  // One side each: the notice cell only from the boss's door, the exit cell
  // only from the boss's own cell, which the winner of the fight stands on.
  // clang-format off
  return {
      //    mechanism           key          player     mechanism's cell  "?" test  effect
      keyed("boss notice cell", key::Right, {28, 81},  {28, 82},         true,     bossNotice),
      keyed("boss exit cell",   key::Down,  {28, 83},  {29, 83},         true,     bossExit),
  };
  // clang-format on
}

}  // namespace vm
