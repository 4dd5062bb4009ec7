#include "rules/Combat.h"

#include <cstdint>

#include "game/Arith.h"
#include "rules/Equipment.h"

namespace vm {

namespace {

int withBonus(const Game& g, int base, int EquipmentItem::*bonus) {
  // Counters have no upper bound; the exact sum fits in 64 bits.
  std::int64_t sum = base;
  for (const EquipmentItem& item : kEquipment) sum += std::int64_t{g.*item.count} * (item.*bonus);
  return clamp32(sum);
}

}  // namespace

int effectiveAttack(const Game& g) { return withBonus(g, g.ATK, &EquipmentItem::atkBonus); }
int effectiveDefence(const Game& g) { return withBonus(g, g.DEF, &EquipmentItem::defBonus); }

void fight(Game& g, const Monster& m) {
  int eAtk = effectiveAttack(g);
  int eDef = effectiveDefence(g);
  // An attack of 0 would divide by zero. It counts as 1: every hit point of
  // the monster then costs one strike, which is where the formula heads as
  // the attack falls towards 0 from above. The fight is lost, not the game.
  if (eAtk == 0) eAtk = 1;
  if (eDef < m.ATK) {
    // The monster strikes once per whole multiple of the attack in its hit
    // points; the defence is credited once against the sum. A negative
    // attack gives a negative count, and the formula stands as it is.
    std::int64_t strikes = std::int64_t{m.HP} / eAtk;
    g.HP = clamp32(std::int64_t{g.HP} + eDef - std::int64_t{m.ATK} * strikes);
  }
  g.GOLD = satAdd(g.GOLD, m.GOLD);
  g.GAMEOVER = m.letter;
}

}  // namespace vm
