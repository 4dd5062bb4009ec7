#include "unit/renderer_check.h"

#include "console/Gbk.h"

namespace vm::test {

namespace {

using Half = ScreenModel::Half;

bool blankThere(const EmulatedCell& cell) { return cell.ch.empty() || cell.ch == " "; }

}  // namespace

std::string differences(const EmulatedScreen& term, const ScreenModel& model, int rows) {
  std::string report;
  int found = 0;
  auto note = [&](int col, int row, const std::string& what) {
    if (++found > 10) return;
    report.append("(").append(std::to_string(col)).append(",").append(std::to_string(row));
    report.append("): ").append(what).append("\n");
  };
  const int lastRow = rows < 0 ? model.height() : rows;
  for (int r = 0; r < lastRow; ++r) {
    for (int c = 0; c < model.width(); ++c) {
      const ScreenModel::Cell& cell = model.cell(c, r);
      const EmulatedCell& shown = term.at(c, r);
      if (shown.bg != kPaletteOf[cell.bg])
        note(c, r, "background " + std::to_string(shown.bg) + ", want " + std::to_string(kPaletteOf[cell.bg]));
      const bool pair = cell.half == Half::Lead && c + 1 < model.width() && model.cell(c + 1, r).half == Half::Trail;
      if (pair) {
        std::string want = utf8(std::string{cell.byte, model.cell(c + 1, r).byte});
        if (shown.ch != want) note(c, r, "shows '" + shown.ch + "', want '" + want + "'");
        if (shown.fg != kPaletteOf[cell.fg]) note(c, r, "foreground " + std::to_string(shown.fg));
        const EmulatedCell& second = term.at(c + 1, r);
        if (!(shown.width == 2 && second.width == 0) && !blankThere(second))
          note(c + 1, r, "second cell of '" + want + "' shows '" + second.ch + "'");
        ++c;
        continue;
      }
      const char want = cell.half == Half::Single ? cell.byte : ' ';
      if (want == ' ') {
        if (!blankThere(shown)) note(c, r, "shows '" + shown.ch + "', want a blank");
      } else {
        if (shown.ch != std::string(1, want)) note(c, r, "shows '" + shown.ch + "', want '" + want + "'");
        if (shown.fg != kPaletteOf[cell.fg])
          note(c, r, "foreground " + std::to_string(shown.fg) + ", want " + std::to_string(kPaletteOf[cell.fg]));
      }
    }
  }
  if (found > 10) report += "... " + std::to_string(found - 10) + " more\n";
  return report;
}

}  // namespace vm::test
