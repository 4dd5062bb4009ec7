#include "console/Renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/Gbk.h"
#include "support/Emulator.h"
#include "unit/renderer_check.h"

namespace vm::test {
namespace {

// A model, the renderer and every byte it has sent, so that the whole stream
// can be replayed in a terminal emulator.
class RendererTest : public ::testing::Test {
 protected:
  std::string render() {
    std::string out;
    renderer.render(model, out);
    stream += out;
    return out;
  }
  void put(int col, int row, std::string_view utf8Text, int fg = 7, int bg = 0) {
    model.setColor(fg, bg);
    model.moveTo(col, row);
    model.write(gbk(utf8Text));
  }
  void putBytes(int col, int row, std::string_view gbkBytes) {
    model.setColor(7, 0);
    model.moveTo(col, row);
    model.write(gbkBytes);
  }
  void expectTerminalShowsModel(int rows = -1) { EXPECT_EQ(differences(emulate(stream), model, rows), ""); }

  ScreenModel model{122, 61};
  Renderer renderer{122, 61};
  std::string stream;
};

TEST_F(RendererTest, OneCellStepSendsOnlyTheChangedCells) {
  put(18, 4, "#######");
  int col = 20, row = 5;
  put(col, row, "&");
  render();
  struct Step {
    const char* name;
    int dCol, dRow;
    std::string bytes;
  };
  // The cursor stays behind the "&" between steps: relative motion reaches
  // the next changed cell in a byte or a few.
  const Step steps[] = {
      {"right", 1, 0, "\b &"},   {"right again", 1, 0, "\b &"},         {"down", 0, 1, "\b \x1b[B\b&"},
      {"left", -1, 0, "\b\b& "}, {"up", 0, -1, "\x1b[A\b\b&\x1b[B\b "},
  };
  for (const Step& s : steps) {
    put(col, row, " ");
    col += s.dCol;
    row += s.dRow;
    put(col, row, "&");
    EXPECT_EQ(render(), s.bytes) << s.name;
  }
  expectTerminalShowsModel();
}

TEST_F(RendererTest, NothingIsSentWhenNothingChanged) {
  put(3, 2, "| HP:145          |");
  put(3, 3, "中文■", 12);
  render();
  EXPECT_EQ(render(), "");
  // Written again with the same content, or over and back again as the
  // panel writes a value over its template: the terminal shows it already.
  put(3, 2, "| HP:145          |");
  put(3, 3, "中文■", 12);
  EXPECT_EQ(render(), "");
  put(3, 2, "| HP:             |");
  put(3, 2, "| HP:145");
  EXPECT_EQ(render(), "");
}

TEST_F(RendererTest, ColourCodesOnlyWhereTheColourChanges) {
  put(0, 0, "AB", 12);
  put(10, 0, "CD", 12);
  put(20, 0, "E", 2);
  EXPECT_EQ(render(), "\x1b[40m\x1b[2J\x1b[H\x1b[91mAB\x1b[8CCD\x1b[8C\x1b[32mE");
  put(10, 0, "C", 6);  // only the colour of one cell changes
  EXPECT_EQ(render(), "\x1b[11D\x1b[33mC");
  put(11, 0, "D", 6);  // yellow is set already
  EXPECT_EQ(render(), "D");
  expectTerminalShowsModel();
}

// Every parameter of every SGR sequence in `bytes`.
std::vector<int> sgrParameters(const std::string& bytes) {
  std::vector<int> params;
  for (size_t at = bytes.find("\x1b["); at != std::string::npos; at = bytes.find("\x1b[", at + 1)) {
    size_t end = bytes.find_first_not_of("0123456789;", at + 2);
    if (end == std::string::npos || bytes[end] != 'm') continue;
    std::string list = bytes.substr(at + 2, end - at - 2);
    for (size_t p = 0; p <= list.size();) {
      size_t semi = std::min(list.find(';', p), list.size());
      params.push_back(semi == p ? 0 : std::stoi(list.substr(p, semi - p)));
      p = semi + 1;
    }
  }
  return params;
}

bool has(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }

TEST_F(RendererTest, ConsoleColoursMapToTheirSgrCodes) {
  struct Colour {
    int console;
    int fg;
    int bg;
  };
  const Colour colours[] = {
      {0, 30, 40},   {1, 34, 44},   {2, 32, 42},   {3, 36, 46},   {4, 31, 41},   {5, 35, 45},
      {6, 33, 43},   {7, 37, 47},   {8, 90, 100},  {9, 94, 104},  {10, 92, 102}, {11, 96, 106},
      {12, 91, 101}, {13, 95, 105}, {14, 93, 103}, {15, 97, 107},
  };
  render();
  for (const Colour& c : colours) {
    const int before = (c.console + 1) % 16;
    put(0, 1, "x", before, 0);
    render();
    put(0, 1, "x", c.console, 0);
    std::vector<int> params = sgrParameters(render());
    EXPECT_TRUE(has(params, c.fg)) << c.console;
    put(0, 1, "x", 7, before);
    render();
    put(0, 1, "x", 7, c.console);
    std::vector<int> more = sgrParameters(render());
    EXPECT_TRUE(has(more, c.bg)) << c.console;
    params.insert(params.end(), more.begin(), more.end());
    // Never the terminal's own colours.
    for (int none : {0, 39, 49}) EXPECT_FALSE(has(params, none)) << c.console;
  }
  expectTerminalShowsModel();
}

TEST_F(RendererTest, DoubleByteCharactersFillTwoCellsOnEveryTerminal) {
  struct Case {
    const char* text;
    bool widthDisputed;  // East Asian Width "ambiguous": one cell on many terminals
  };
  const Case cases[] = {{"■", true}, {"—", true}, {"①", true}, {"中", false}, {"￥", false}, {"，", false}};
  int row = 0;
  for (const Case& c : cases) {
    put(10, row, "abcd");
    render();
    put(10, row, c.text);
    put(12, row, "X");
    std::string out = render();
    const std::string glyph = c.text;
    const size_t at = out.find(glyph);
    ASSERT_NE(at, std::string::npos) << c.text;
    EXPECT_EQ(out.find("\x1b[2X") != std::string::npos, c.widthDisputed) << c.text << ": " << out;
    if (c.widthDisputed) {
      // Where the cursor stands after it is only known to the terminal.
      EXPECT_EQ(out.substr(at + glyph.size()), "\x1b[" + std::to_string(row + 1) + ";13HX") << c.text;
    } else {
      EXPECT_EQ(out.substr(at + glyph.size()), "X") << c.text;
    }
    ++row;
  }
  expectTerminalShowsModel();
}

TEST_F(RendererTest, OverwrittenHalfOfACharacterShowsABlank) {
  struct Case {
    const char* character;
    int overwrite;  // 0 the first cell, 1 the second
  };
  const Case cases[] = {{"中", 0}, {"中", 1}, {"■", 0}, {"■", 1}};
  int row = 2;
  for (const Case& c : cases) {
    put(5, row, c.character);
    put(7, row, "yz");
    render();
    put(5 + c.overwrite, row, "x");
    render();
    ++row;
  }
  expectTerminalShowsModel();
}

// Characters that share their first byte differ only in the second cell, the
// one the model reports changed: the whole character is drawn again.
TEST_F(RendererTest, CharacterChangedInItsSecondByteIsDrawnWhole) {
  struct Case {
    const char* before;
    const char* after;
  };
  const Case cases[] = {{"中", "主"}, {"■", "—"}};
  int row = 8;
  for (const Case& c : cases) {
    put(5, row, std::string("ab") + c.before + "cd");
    render();
    put(7, row, c.after);
    ASSERT_EQ(model.change(row).first, 8) << c.after;
    const std::string out = render();
    EXPECT_NE(out.find(c.after), std::string::npos) << c.after << ": " << out;
    ++row;
  }
  expectTerminalShowsModel();
}

TEST_F(RendererTest, UnconvertibleCharacterShowsQuestionMarkAndBlank) {
  put(4, 6, "abc");
  render();
  putBytes(4, 6, "\xAA\xA1");  // user-defined area: GBK has no character there
  EXPECT_EQ(model.cell(4, 6).half, ScreenModel::Half::Lead);
  const std::string out = render();
  EXPECT_NE(out.find("? "), std::string::npos) << out;
  expectTerminalShowsModel();
}

TEST_F(RendererTest, BlankRunsAreErasedWhereThatIsShorter) {
  struct Case {
    const char* name;
    int length;        // blanks written over text
    bool textAfter;    // something stays right of the run on the row
    std::string tail;  // how the run is sent
  };
  const Case cases[] = {
      {"to the line end", 50, false, "\x1b[K"},
      {"inside the row", 50, true, "\x1b[50X"},
      {"short run", 3, true, "   "},
  };
  int row = 10;
  for (const Case& c : cases) {
    put(5, row, std::string(static_cast<size_t>(c.length), 'x'));
    if (c.textAfter) put(80, row, "Y");
    render();
    put(5, row, std::string(static_cast<size_t>(c.length), ' '));
    const std::string out = render();
    ASSERT_GE(out.size(), c.tail.size()) << c.name;
    EXPECT_EQ(out.substr(out.size() - c.tail.size()), c.tail) << c.name << ": " << out;
    ++row;
  }
  expectTerminalShowsModel();
}

TEST_F(RendererTest, ErasedBlanksTakeTheirBackground) {
  put(0, 20, std::string(60, 'x'), 7, 0);
  render();
  put(0, 20, std::string(60, ' '), 7, 1);  // blue blanks
  const std::string out = render();
  EXPECT_NE(out.find("\x1b[44m"), std::string::npos) << out;
  expectTerminalShowsModel();
}

TEST_F(RendererTest, ClearRepaintsEverything) {
  put(0, 0, "abc");
  put(30, 40, "中■");
  render();
  model.clear();
  put(0, 0, "abc");
  put(30, 40, "中■");
  renderer.repaintAll();
  const std::string out = render();
  EXPECT_NE(out.find("\x1b[2J"), std::string::npos);
  EXPECT_NE(out.find("abc"), std::string::npos);
  EXPECT_NE(out.find("中"), std::string::npos);
  expectTerminalShowsModel();
}

TEST_F(RendererTest, RowsBelowAShortTerminalWaitUntilItGrows) {
  renderer.setVisibleRows(43);
  put(0, 10, "visible");
  put(0, 50, "hidden");
  std::string out = render();
  EXPECT_NE(out.find("visible"), std::string::npos);
  EXPECT_EQ(out.find("hidden"), std::string::npos);
  renderer.setVisibleRows(61);
  out = render();
  EXPECT_NE(out.find("\x1b[2J"), std::string::npos);
  EXPECT_NE(out.find("hidden"), std::string::npos);
  expectTerminalShowsModel();
}

TEST_F(RendererTest, ControlBytesNeverReachTheTerminal) {
  render();
  // The model turns control bytes into "?" as they are written; a cell that
  // holds one all the same is shown as "?" too.
  put(0, 3, std::string("a\x1b[2Jb", 6));
  const std::string out = render();
  EXPECT_EQ(out.find("\x1b[2J"), std::string::npos) << out;
  expectTerminalShowsModel();
}

}  // namespace
}  // namespace vm::test
