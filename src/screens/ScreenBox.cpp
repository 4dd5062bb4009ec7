#include "screens/ScreenBox.h"

#include <string>

namespace vm {

void drawScreenBox(Console& con) {
  static const std::string rule(120, '-');
  static const std::string framed = "|" + std::string(kBoxTextCells, ' ') + "|";
  con.Cout(0, kBoxFirstRow - 1, rule);
  for (int row = kBoxFirstRow; row <= kBoxLastRow; ++row) con.Cout(0, row, framed);
  con.Cout(0, kBoxLastRow + 1, rule);
}

void blankBelowScreenBox(Console& con) {
  static const std::string blankRow(119, ' ');
  for (int row = 32; row <= 37; ++row) con.Cout(0, row, blankRow);
}

}  // namespace vm
