#include "screens/InventoryScreen.h"

#include <array>
#include <cstdint>
#include <string>

#include "console/Gbk.h"
#include "rules/Equipment.h"
#include "screens/ScreenBox.h"

namespace vm {

namespace {

// The fixed texts of the screen, converted once: the screen is drawn often.
struct InventoryTexts {
  std::string title = gbk("                                                      ***物品栏***");
  std::string equipmentHeading = gbk("获得武器/防具：");
  std::string othersHeading = gbk("其他物品：");
  std::string none = gbk(" 无");
  std::string unit = gbk("个");
  std::array<std::string, kEquipment.size()> rows;

  InventoryTexts() {
    for (size_t i = 0; i < kEquipment.size(); ++i) rows[i] = gbk(kEquipment[i].rowTextUtf8);
  }
};

const InventoryTexts& texts() {
  static const InventoryTexts t;
  return t;
}

}  // namespace

void wupin(Context& c) {
  const Game& g = c.g;
  const InventoryTexts& t = texts();
  drawScreenBox(c.con);
  blankBelowScreenBox(c.con);

  int row = kBoxFirstRow;
  auto line = [&](const std::string& text) { c.con.Cout(kBoxTextCol, row++, text); };
  line(t.title);
  line(t.equipmentHeading);
  // Counters have no upper bound, so their sum is taken in 64 bits.
  std::int64_t carried = 0;
  for (const EquipmentItem& item : kEquipment) carried += g.*item.count;
  if (carried == 0) {
    line(t.none);
  } else {
    for (size_t i = 0; i < kEquipment.size(); ++i) {
      int count = g.*kEquipment[i].count;
      if (count != 0) line(t.rows[i] + inttostr(count) + t.unit);
    }
  }
  line(t.othersHeading);
  if (g.qt_tot == 0) {
    line(t.none);
  } else {
    // Entries past the box's last row are not shown; the list holds at
    // most kItemCapacity entries whatever qt_tot claims.
    for (int i = 1; i <= g.qt_tot && i <= kItemCapacity && row <= kBoxLastRow; ++i) line(g.qt[static_cast<size_t>(i)]);
  }
}

}  // namespace vm
