#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/Game.h"

namespace vm {

// One row per weapon or shield, in the order of the per-item counters. The
// same row gives the tile, the fight bonus and the inventory line, so the
// numbers the inventory shows are the numbers the fight uses.
struct EquipmentItem {
  char tile;
  const char* nameUtf8;
  int Game::*total;  // Weapons or Armor: shown on the panel, no part in fights
  int Game::*count;  // tj .. sd: the fight bonus and the inventory
  int atkBonus;      // each item carried
  int defBonus;
  const char* rowTextUtf8;  // inventory line; the count and "个" follow it
};

// The inventory lines keep the letters the game has always shown ("U" for
// the holy sword and both non-gold shields), and each is 34 cells wide so
// the counts line up behind "拥有".
//                                              tile  name    total           count     ATK  DEF  inventory line
inline constexpr std::array<EquipmentItem, 6> kEquipment = {{
    {'U', "铁剑", &Game::Weapons, &Game::tj, 10, 1, " U [铁剑] ： ATK+10  DEF+1    拥有"},
    {'V', "金剑", &Game::Weapons, &Game::jj, 50, 5, " V [金剑] ： ATK+50  DEF+5    拥有"},
    {'W', "圣剑", &Game::Weapons, &Game::sj, 100, 10, " U [圣剑] ： ATK+100 DEF+10   拥有"},
    {'X', "铁盾", &Game::Armor, &Game::td, 1, 10, " U [铁盾] ： ATK+1  DEF+10    拥有"},
    {'Y', "金盾", &Game::Armor, &Game::jd, 5, 50, " V [金盾] ： ATK+5  DEF+50    拥有"},
    {'Z', "圣盾", &Game::Armor, &Game::sd, 10, 100, " U [圣盾] ： ATK+10 DEF+100   拥有"},
}};

// The row of an equipment tile, or nullptr.
const EquipmentItem* findEquipment(char tile);

// The GBK item name of a row of kEquipment.
const std::string& gbkItemName(const EquipmentItem& item);

// Adds 1 to the per-item counter whose GBK item name equals `b` exactly; a
// name that equals none of the six changes nothing.
void jz(Game& g, std::string_view b);

// Picking up `item` (the player already stands on its cleared cell): its
// total and, through jz, its per-item counter.
void pickUp(Game& g, const EquipmentItem& item);

}  // namespace vm
