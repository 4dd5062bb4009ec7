#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "console/Gbk.h"
#include "console/LineEditor.h"

namespace vm::test {
namespace {

// Typed bytes as a raw terminal delivers them.
class Typed : public ByteSource {
 public:
  explicit Typed(std::string bytes) : bytes_(std::move(bytes)) {}
  int next() override { return pos_ < bytes_.size() ? static_cast<unsigned char>(bytes_[pos_++]) : -1; }
  int peekFollowing() override { return pos_ < bytes_.size() ? static_cast<unsigned char>(bytes_[pos_]) : -1; }

 private:
  std::string bytes_;
  size_t pos_ = 0;
};

struct Interrupted : std::runtime_error {
  Interrupted() : std::runtime_error("Ctrl-C") {}
};

struct EditCase {
  const char* name;
  std::string typed;                // UTF-8, as typed
  std::optional<std::string> line;  // UTF-8, as read
  std::string echo;                 // the prompt row afterwards, UTF-8
};

TEST(TerminalLineEditorTest, TypedLinesAreEditedAndEchoed) {
  const EditCase cases[] = {
      {"digits", "12\r", "12\n", "? 12"},
      {"line feed ends a line too", "7\n", "7\n", "? 7"},
      {"backspace",
       "1\x7f"
       "2\r",
       "2\n", "? 2"},
      {"control-H backspace", "ab\bc\r", "ac\n", "? ac"},
      {"backspace on nothing",
       "\x7f\x7f"
       "b\r",
       "b\n", "? b"},
      {"Chinese typed in UTF-8", "中文\r", "中文\n", "? 中文"},
      {"backspace takes a whole character", "中文\x7f\r", "中\n", "? 中"},
      {"arrow keys are ignored", "a\x1b[Db\r", "ab\n", "? ab"},
      {"other control bytes are ignored",
       "a\x01\x1a"
       "b\r",
       "ab\n", "? ab"},
      {"end of input after text", "xy", "xy", "? xy"},
      {"end of input at once", "", std::nullopt, "?"},
  };
  for (const EditCase& c : cases) {
    Typed in(c.typed);
    ScreenModel screen(122, 61);
    screen.moveTo(0, 5);
    screen.write("? ");
    int shown = 0;
    LineEditor editor{in, screen, [&] { ++shown; }, [] { throw Interrupted(); }};
    std::optional<std::string> line = editor.read();
    ASSERT_EQ(line.has_value(), c.line.has_value()) << c.name;
    if (line) {
      EXPECT_EQ(utf8(*line), *c.line) << c.name;
    }
    EXPECT_EQ(screen.rowText(5), c.echo) << c.name;
    EXPECT_GT(shown, 0) << c.name;
  }
}

TEST(TerminalLineEditorTest, EnterMovesTheOutputToTheNextRow) {
  Typed in("5\r");
  ScreenModel screen(122, 61);
  screen.moveTo(0, 5);
  screen.write("? ");
  LineEditor editor{in, screen, [] {}, [] { throw Interrupted(); }};
  editor.read();
  EXPECT_EQ(screen.row(), 6);
  EXPECT_EQ(screen.col(), 0);
}

TEST(TerminalLineEditorTest, CtrlCEndsTheGame) {
  Typed in(
      "1\x03"
      "2\r");
  ScreenModel screen(122, 61);
  LineEditor editor{in, screen, [] {}, [] { throw Interrupted(); }};
  EXPECT_THROW(editor.read(), Interrupted);
}

}  // namespace
}  // namespace vm::test
