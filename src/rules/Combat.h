#pragma once

#include "game/Game.h"
#include "game/MonsterTable.h"

namespace vm {

// Attack and defence inside a fight: the stored values plus the bonus of
// every weapon and shield carried. Saturated at the 32-bit bounds.
int effectiveAttack(const Game& g);
int effectiveDefence(const Game& g);

// Settles a fight with `m` at once (the player already stands on the
// cleared cell): hit points by the closed formula, the monster's gold, and
// the monster's letter as the cause code. Death is for the turn end to see.
void fight(Game& g, const Monster& m);

}  // namespace vm
