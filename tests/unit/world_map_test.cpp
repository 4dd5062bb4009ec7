#include <gtest/gtest.h>

#include "game/WorldMap.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

using WorldMapTest = GameFixture;

TEST_F(WorldMapTest, EveryRowHas119CellsAndTwoZeroBytes) {
  for (int r = 0; r < kRows; ++r) {
    std::string_view row(g.Map[static_cast<size_t>(r)].data(), kRowBytes);
    EXPECT_EQ(row.find('\0'), static_cast<size_t>(kCols)) << "row " << r;
    EXPECT_EQ(row[119], '\0');
    EXPECT_EQ(row[120], '\0');
  }
}

struct NamedCell {
  int row;
  int col;
  char expected;
};

TEST_F(WorldMapTest, NamedCellsHoldWhatTheWorldSays) {
  const NamedCell cells[] = {
      {28, 83, 'M'}, {1, 31, '?'},  {1, 98, '?'},  {10, 21, '?'},  {7, 20, '='},   {9, 20, '='},   {27, 32, '#'},
      {28, 32, '#'}, {28, 81, '|'}, {28, 82, '?'}, {29, 83, '?'},  {19, 24, '?'},  {35, 7, '?'},   {33, 32, '?'},
      {35, 32, '?'}, {29, 32, '?'}, {19, 34, '?'}, {35, 117, '?'}, {35, 111, '?'}, {34, 111, '?'}, {33, 111, '?'},
      {33, 39, '?'}, {33, 41, '?'}, {32, 34, '?'}, {30, 110, '?'}, {34, 75, '?'},  {31, 113, '('}, {17, 51, '#'},
      {21, 39, '?'}, {21, 45, '?'}, {21, 75, '?'}, {21, 81, '?'},  {26, 34, '?'},  {24, 34, '?'},  {22, 34, '?'},
      {27, 34, 'E'}, {1, 20, ' '},  {5, 62, 'c'},  {20, 8, '='},   {10, 30, '('},  {25, 105, '0'}, {27, 106, '0'},
  };
  for (const NamedCell& c : cells) EXPECT_EQ(cell(c.row, c.col), c.expected) << c.row << "," << c.col;
}

TEST_F(WorldMapTest, StartupPatchRaisesHitPointsAndSetsElevenCells) {
  applyStartupPatch(g);
  EXPECT_EQ(g.HP, 145);
  EXPECT_EQ(cell(5, 62), 'b');
  for (int c : {86, 87, 88, 94, 95, 96}) EXPECT_EQ(cell(1, c), 'b') << c;
  EXPECT_EQ(cell(1, 91), '+');
  for (int c : {26, 27, 28}) EXPECT_EQ(cell(10, c), '+') << c;
}

TEST_F(WorldMapTest, MapPrintHidesDeathWallsButNotTheShopPrices) {
  mapPrint(g, con);
  EXPECT_EQ(row(0), utf8(std::string(g.Map[0].data(), kCols)));
  // "B:10" of the question box loses its 0.
  EXPECT_EQ(text(86, 10, 5), "B:1  ");
  EXPECT_EQ(cell(10, 89), '0');
  // The shop prices keep their "00".
  EXPECT_EQ(text(104, 25, 3), "300");
  EXPECT_EQ(text(104, 26, 3), "200");
  EXPECT_EQ(text(104, 27, 3), "100");
  // The death-wall field of rows 29 to 35 is invisible.
  EXPECT_EQ(text(86, 29, 4), "    ");
  EXPECT_EQ(cell(29, 87), '0');
  EXPECT_EQ(g.si0, 0);
  // Each row ends with a line end: output continues on row 37.
  EXPECT_EQ(con.screen().row(), 37);
  EXPECT_EQ(con.screen().col(), 0);
}

TEST_F(WorldMapTest, OverlaysShowWallsOverOpenPassages) {
  g.Map[27][32] = ' ';
  g.Map[28][32] = ' ';
  g.mmm = 1;
  for (int c = 20; c <= 22; ++c) setCell(7, c, ' ');
  applyWallOverlays(g);
  mapPrint(g, con);
  removeWallOverlays(g);
  EXPECT_EQ(text(32, 27, 1), "#");
  EXPECT_EQ(text(32, 28, 1), "#");
  EXPECT_EQ(text(20, 7, 3), "###");
  EXPECT_EQ(cell(27, 32), ' ');
  EXPECT_EQ(cell(28, 32), ' ');
  EXPECT_EQ(cell(7, 21), ' ');
}

TEST_F(WorldMapTest, UpperDoorIsNoOverlayBeforeItOpens) {
  applyWallOverlays(g);
  removeWallOverlays(g);
  EXPECT_EQ(cell(7, 20), '=');
}

TEST_F(WorldMapTest, KeyRoomPatternOnlyWhileArmed) {
  applyKeyRoomPattern(g);
  EXPECT_EQ(cell(7, 24), ' ');
  g.Wen1 = 1;
  applyKeyRoomPattern(g);
  EXPECT_EQ(std::string(&g.Map[7][24], 10), "1C1C1C1C1?");
  EXPECT_EQ(std::string(&g.Map[8][24], 10), "C2C2C2C2C2");
}

}  // namespace
}  // namespace vm::test
