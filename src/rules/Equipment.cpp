#include "rules/Equipment.h"

#include "console/Gbk.h"
#include "game/Arith.h"

namespace vm {

namespace {

// The names are compared on every pick-up; convert them once.
const std::array<std::string, kEquipment.size()>& gbkItemNames() {
  static const std::array<std::string, kEquipment.size()> names = [] {
    std::array<std::string, kEquipment.size()> n;
    for (size_t i = 0; i < kEquipment.size(); ++i) n[i] = gbk(kEquipment[i].nameUtf8);
    return n;
  }();
  return names;
}

}  // namespace

const EquipmentItem* findEquipment(char tile) {
  for (const EquipmentItem& item : kEquipment)
    if (item.tile == tile) return &item;
  return nullptr;
}

const std::string& gbkItemName(const EquipmentItem& item) {
  size_t i = 0;
  while (i + 1 < kEquipment.size() && kEquipment[i].tile != item.tile) ++i;
  return gbkItemNames()[i];
}

void jz(Game& g, std::string_view b) {
  // Every name is tested, not only up to the first match: the six names
  // differ, so at most one counter moves either way.
  for (const EquipmentItem& item : kEquipment)
    if (b == gbkItemName(item)) g.*item.count = satAdd(g.*item.count, 1);
}

void pickUp(Game& g, const EquipmentItem& item) {
  g.*item.total = satAdd(g.*item.total, 1);
  jz(g, gbkItemName(item));
}

}  // namespace vm
