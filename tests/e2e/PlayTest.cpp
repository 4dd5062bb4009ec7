#include "PlayTest.h"

#include "StartMap.h"

namespace vm::test {

int cellsOf(std::string_view utf8) {
  int cells = 0;
  for (unsigned char b : utf8) {
    if (b < 0x80)
      cells += 1;
    else if (b >= 0xC0)  // the first byte of a multi-byte character
      cells += 2;
  }
  return cells;
}

std::string trimRight(std::string s) {
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

std::string startRow(int row, std::string_view panel, int playerCol) {
  // The first 19 cells of every map row are single-byte (the panel frame
  // and the walls below it), so cells and bytes agree up to the map area.
  std::string line(kStartMap.at(static_cast<size_t>(row)));
  if (playerCol >= 0) line[static_cast<size_t>(playerCol)] = '&';
  if (!panel.empty()) {
    EXPECT_EQ(cellsOf(panel), 19) << "panel row " << row << ": " << panel;
    line = std::string(panel) + line.substr(19);
  }
  return trimRight(line);
}

namespace {

char colourCode(const EmulatedCell& cell, int colour) {
  if (cell.width == 0 || cell.ch.empty() || cell.ch == " ") return '.';
  if (colour == -1) return '-';
  if (colour < 0 || colour > 15) return '?';
  return "0123456789abcdef"[colour];
}

}  // namespace

std::string foregroundRow(const EmulatedScreen& s, int row) {
  std::string out;
  for (int c = 0; c < s.cols; ++c) out += colourCode(s.at(c, row), s.at(c, row).fg);
  return out;
}

std::string backgroundRow(const EmulatedScreen& s, int row) {
  std::string out;
  for (int c = 0; c < s.cols; ++c) out += colourCode(s.at(c, row), s.at(c, row).bg);
  return out;
}

const std::vector<std::string> kFreshPanel = {
    "",
    "| -[蓝名]         |",
    "| HP:145          |",
    "| ATK:10          |",
    "| DEF:10          |",
    "| 1号钥匙:0       |",
    "| 2号钥匙:0       |",
    "| 3号钥匙:0       |",
    "| 武器:0个        |",
    "| 防具:0个        |",
    "| 金钱:0          |",
};

const std::vector<std::pair<std::string, std::string>> kGameInProgress = {
    {"tf", "3"},
    {"X", "3"},
    {"Y", "21"},
    {"HP", "321"},
    {"ATK", "12"},
    {"DEF", "13"},
    {"FirstKey", "1"},
    {"SecondKey", "2"},
    {"ThirdKey", "3"},
    {"Weapons", "4"},
    {"Armor", "5"},
    {"GOLD", "66"},
    {"name", kHeroNameGbk},
    {"ks", "1"},
    {"tj", "1"},
    {"jj", "0"},
    {"sj", "2"},
    {"td", "0"},
    {"jd", "1"},
    {"sd", "0"},
    {"qt", "\xD4\xBF\xB3\xD7\n"},  // one item, "钥匙", with its line end
    {"gk", "2"},
};

EmulatedScreen PlayTest::play(std::string_view input, const std::vector<std::pair<std::string, std::string>>& env) {
  return playWith(input, archive.args(), env);
}

EmulatedScreen PlayTest::playWith(std::string_view input, const std::vector<std::string>& args,
                                  const std::vector<std::pair<std::string, std::string>>& env) {
  last = runVellmarch(input, args, env);
  EXPECT_FALSE(last.timedOut);
  EXPECT_EQ(last.exitStatus, 0);
  EXPECT_EQ(last.err, "");
  return emulate(last.out);
}

void PlayTest::seedGameInProgress() const {
  for (const auto& [key, content] : kGameInProgress) archive.write(key, content);
}

void PlayTest::expectSameMapScreen(const EmulatedScreen& s, const EmulatedScreen& ref) {
  for (int r = 0; r < 37; ++r) {
    EXPECT_EQ(s.rowText(r), ref.rowText(r)) << "row " << r;
    EXPECT_EQ(foregroundRow(s, r), foregroundRow(ref, r)) << "colours of row " << r;
    EXPECT_EQ(backgroundRow(s, r), backgroundRow(ref, r)) << "backgrounds of row " << r;
  }
}

}  // namespace vm::test
