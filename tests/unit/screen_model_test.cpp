#include <gtest/gtest.h>

#include "console/Gbk.h"
#include "console/ScreenModel.h"

namespace vm::test {
namespace {

TEST(ScreenModelTest, DoubleByteCharacterFillsTwoCells) {
  ScreenModel s(10, 3);
  s.write(gbk("a■b"));
  EXPECT_EQ(s.cell(1, 0).half, ScreenModel::Half::Lead);
  EXPECT_EQ(s.cell(2, 0).half, ScreenModel::Half::Trail);
  EXPECT_EQ(s.cell(3, 0).byte, 'b');
  EXPECT_EQ(s.rowText(0), "a■b");
}

TEST(ScreenModelTest, OverwritingEitherHalfBlanksTheOther) {
  ScreenModel s(10, 3);
  s.write(gbk("中文"));
  s.moveTo(1, 0);
  s.write("x");
  EXPECT_EQ(s.rowText(0), " x文");
  s.moveTo(2, 0);
  s.write("y");
  EXPECT_EQ(s.rowText(0), " xy");
  EXPECT_EQ(s.cell(3, 0).byte, ' ');
  EXPECT_EQ(s.cell(3, 0).half, ScreenModel::Half::Single);
}

TEST(ScreenModelTest, ControlAndInvalidBytesShowAsQuestionMarks) {
  ScreenModel s(10, 3);
  s.write(std::string("a\x1b[2Jb\x80\xff", 8));
  EXPECT_EQ(s.rowText(0), "a?[2Jb??");
}

TEST(ScreenModelTest, LineEndAfterAFullRowMovesDownOnce) {
  ScreenModel s(4, 3);
  s.write("abcd\nef");
  EXPECT_EQ(s.rowText(0), "abcd");
  EXPECT_EQ(s.rowText(1), "ef");
}

TEST(ScreenModelTest, TextPastTheLastColumnWraps) {
  ScreenModel s(4, 3);
  s.write("abcdef");
  EXPECT_EQ(s.rowText(1), "ef");
  s.clear();
  s.write("abc");
  s.write(gbk("中"));  // does not fit in the one cell left
  EXPECT_EQ(s.rowText(0), "abc");
  EXPECT_EQ(s.rowText(1), "中");
}

TEST(ScreenModelTest, WritingBelowTheLastRowScrolls) {
  ScreenModel s(4, 2);
  s.write("a\nb\nc");
  EXPECT_EQ(s.rowText(0), "b");
  EXPECT_EQ(s.rowText(1), "c");
}

TEST(ScreenModelTest, TextAtAPositionOffTheGridIsDropped) {
  ScreenModel s(4, 2);
  s.moveTo(-1, 0);
  s.write("abc");
  s.moveTo(0, 5);
  s.write("abc");
  EXPECT_EQ(s.rowText(0), "");
  EXPECT_EQ(s.rowText(1), "");
}

TEST(ScreenModelTest, ClearUsesTheCurrentColourAndHomes) {
  ScreenModel s(4, 2);
  s.write("ab");
  s.setColor(2, 0);
  s.clear();
  EXPECT_EQ(s.cell(3, 1).fg, 2);
  EXPECT_EQ(s.col(), 0);
  EXPECT_EQ(s.row(), 0);
  EXPECT_EQ(s.rowText(0), "");
}

TEST(ScreenModelTest, CellsTakeTheColourOfTheirWrite) {
  ScreenModel s(6, 1);
  s.write("a");
  s.setColor(1, 0);
  s.write("b");
  EXPECT_EQ(s.cell(0, 0).fg, 7);
  EXPECT_EQ(s.cell(1, 0).fg, 1);
}

// What a write changes, as the renderer sees it: the columns of the row whose
// cells now differ. The game writes its panel again after every key, and a
// cell written with what it holds must not count.
TEST(ScreenModelTest, OnlyCellsThatDifferCountAsChanged) {
  struct Case {
    const char* name;
    const char* before;
    int col;
    const char* after;
    int fg;
    int first;  // first > last: no change
    int last;
  };
  const Case cases[] = {
      {"same text", "| HP:145 |", 0, "| HP:145 |", 7, 1, 0},
      {"one digit", "| HP:145 |", 0, "| HP:146 |", 7, 7, 7},
      {"same text, other colour", "ab", 0, "ab", 2, 0, 1},
      {"same character", "中文", 0, "中", 7, 1, 0},
      {"character with the same first byte", "中文", 0, "主", 7, 1, 1},
      {"second half overwritten", "中文", 1, "x", 7, 0, 1},
      {"first half overwritten", "中文", 2, "x", 7, 2, 3},
  };
  for (const Case& c : cases) {
    ScreenModel s(10, 2);
    s.write(gbk(c.before));
    s.forgetChanges();
    s.setColor(c.fg, 0);
    s.moveTo(c.col, 0);
    s.write(gbk(c.after));
    const ScreenModel::RowChange change = s.change(0);
    EXPECT_EQ(change.any(), c.first <= c.last) << c.name;
    if (c.first <= c.last) {
      EXPECT_EQ(change.first, c.first) << c.name;
      EXPECT_EQ(change.last, c.last) << c.name;
    }
    EXPECT_FALSE(s.change(1).any()) << c.name;
  }
}

TEST(ScreenModelTest, ClearAndScrollingChangeEveryRow) {
  ScreenModel s(4, 2);
  s.forgetChanges();
  s.clear();
  for (int r = 0; r < 2; ++r) EXPECT_EQ(s.change(r).first, 0);
  for (int r = 0; r < 2; ++r) EXPECT_EQ(s.change(r).last, 3);
  s.forgetChanges();
  s.write("a\nb\nc");
  for (int r = 0; r < 2; ++r) EXPECT_EQ(s.change(r).first, 0);
  for (int r = 0; r < 2; ++r) EXPECT_EQ(s.change(r).last, 3);
}

}  // namespace
}  // namespace vm::test
