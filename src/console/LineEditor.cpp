#include "console/LineEditor.h"

#include <vector>

#include "console/Gbk.h"

namespace vm {

namespace {

constexpr int kCtrlC = 0x03;
constexpr int kBackspace = 0x08;
constexpr int kDelete = 0x7F;
constexpr int kEscape = 0x1B;

// Hands the decoder an Escape already taken, then the rest of the input.
class AfterEscape : public ByteSource {
 public:
  explicit AfterEscape(ByteSource& in) : in_(in) {}
  int next() override { return taken_ ? in_.next() : (taken_ = true, kEscape); }
  int peekFollowing() override { return taken_ ? in_.peekFollowing() : kEscape; }

 private:
  ByteSource& in_;
  bool taken_ = false;
};

int utf8Length(int lead) { return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

// Where an echoed character went, to take it back.
struct Echo {
  int col;
  int row;
  size_t bytes;
};

}  // namespace

std::optional<std::string> LineEditor::read() {
  std::string line;
  std::vector<Echo> echoed;
  for (;;) {
    show();
    int b = in.next();
    if (b < 0) return line.empty() ? std::nullopt : std::optional<std::string>(line);
    if (b == kCtrlC) interrupt();
    if (b == '\r' || b == '\n') {
      screen.write("\n");
      show();
      return line + '\n';
    }
    if (b == kBackspace || b == kDelete) {
      if (echoed.empty()) continue;
      const Echo e = echoed.back();
      echoed.pop_back();
      line.resize(line.size() - e.bytes);
      screen.moveTo(e.col, e.row);
      screen.write(std::string(e.bytes, ' '));
      screen.moveTo(e.col, e.row);
      continue;
    }
    if (b == kEscape) {  // an arrow or function key: no meaning in an answer
      AfterEscape rest(in);
      decodeKey(rest);
      continue;
    }
    if (b < 0x20) continue;
    std::string typed(1, static_cast<char>(b));
    for (int i = 1; i < utf8Length(b); ++i) {
      int c = in.peekFollowing();
      if (c < 0x80 || c >= 0xC0) break;  // a cut-off sequence: convert what came
      typed.push_back(static_cast<char>(in.next()));
    }
    std::string ch = b < 0x80 ? typed : gbk(typed);
    const int row = screen.row();
    const int col = screen.col();
    screen.write(ch);
    // A character that wrapped starts the new row.
    echoed.push_back(screen.row() == row ? Echo{col, row, ch.size()} : Echo{0, screen.row(), ch.size()});
    line += ch;
  }
}

}  // namespace vm
