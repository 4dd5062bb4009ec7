#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "console/Gbk.h"
#include "console/TerminalConsole.h"
#include "support/Emulator.h"
#include "support/GameFixture.h"

namespace vm::test {
namespace {

std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool contains(const std::string& haystack, const std::string& needle) {
  return haystack.find(needle) != std::string::npos;
}

// Standard input from a file, standard output into a file: a recorded run.
class TerminalConsolePipedTest : public ::testing::Test {
 protected:
  void open(const std::string& input) {
    std::ofstream(dir.path() / "in", std::ios::binary) << input;
    in = ::open((dir.path() / "in").c_str(), O_RDONLY);
    out = ::open((dir.path() / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(in, 0);
    ASSERT_GE(out, 0);
  }
  void TearDown() override {
    if (in >= 0) close(in);
    if (out >= 0) close(out);
  }
  std::string output() const { return readFile(dir.path() / "out"); }

  TempDir dir;
  int in = -1;
  int out = -1;
};

TEST_F(TerminalConsolePipedTest, KeysAndAnswerLinesShareOneStream) {
  open("\x1b[Ca 12 rest\nz\x03\x1bOA");
  TerminalConsole con(in, out);
  EXPECT_EQ(con.GetKey(), key::Right);
  EXPECT_EQ(con.GetKey(), key::A);
  int v = 0;
  ASSERT_TRUE(con.In().readInt(v));
  EXPECT_EQ(v, 12);
  std::string word;
  ASSERT_TRUE(con.In().readWord(word));
  EXPECT_EQ(word, "rest");
  EXPECT_EQ(con.GetKey(), letterScanCode('z'));  // the answer's line end stays with the answer
  EXPECT_EQ(con.GetKey(), key::Unknown);         // Ctrl-C is an ordinary byte in a stream
  EXPECT_EQ(con.GetKey(), key::Up);
  EXPECT_EQ(con.GetKey(), key::EndOfInput);
}

TEST_F(TerminalConsolePipedTest, ALastLineWithoutLineEndCounts) {
  open("42");
  TerminalConsole con(in, out);
  int v = 0;
  ASSERT_TRUE(con.In().readInt(v));
  EXPECT_EQ(v, 42);
  EXPECT_FALSE(con.In().readInt(v));
  EXPECT_EQ(con.In().get(), -1);
}

TEST_F(TerminalConsolePipedTest, RecordingReplaysToTheLastScreen) {
  open("");
  {
    TerminalConsole con(in, out);
    con.Clear();
    con.HideCursor();
    con.TextColor(12, 0);
    con.Cout(3, 2, gbk("游戏结束 ■"));
    EXPECT_EQ(con.GetKey(), key::EndOfInput);  // flushes first
    con.flush();
    con.restore();
  }
  const std::string bytes = output();
  EXPECT_FALSE(contains(bytes, "\x1b[?1049"));  // no alternate screen to leave
  EXPECT_TRUE(bytes.ends_with("\x1b[0m\x1b[?25h"));
  EmulatedScreen shown = emulate(bytes);
  EXPECT_FALSE(shown.alternateBuffer);
  EXPECT_EQ(shown.rowText(2), "   游戏结束 ■");
  EXPECT_EQ(shown.at(3, 2).fg, 9);  // light red
}

// A pseudo-terminal: the console on its slave side, the test on the master.
class TerminalConsoleTtyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    slave = ::open(ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    resize(122, 61);
  }
  void TearDown() override {
    close(slave);
    close(master);
  }
  void resize(int cols, int rows) const {
    winsize ws{};
    ws.ws_col = static_cast<unsigned short>(cols);
    ws.ws_row = static_cast<unsigned short>(rows);
    ioctl(slave, TIOCSWINSZ, &ws);
  }
  void type(const std::string& bytes) const {
    ASSERT_EQ(write(master, bytes.data(), bytes.size()), ssize_t(bytes.size()));
  }
  // What the console wrote, once it has been quiet for a moment.
  std::string drain() const {
    std::string got;
    char buf[4096];
    pollfd fd{master, POLLIN, 0};
    while (poll(&fd, 1, 100) > 0) {
      ssize_t n = read(master, buf, sizeof buf);
      if (n <= 0) break;
      got.append(buf, static_cast<size_t>(n));
    }
    return got;
  }
  bool canonical() const {
    termios t{};
    tcgetattr(slave, &t);
    return (t.c_lflag & ICANON) != 0;
  }

  int master = -1;
  int slave = -1;
};

TEST_F(TerminalConsoleTtyTest, RawKeysOnTheAlternateScreenAndEverythingPutBack) {
  ASSERT_TRUE(canonical());
  {
    TerminalConsole con(slave, slave);
    EXPECT_FALSE(canonical());
    con.Cout(0, 0, "hi");
    con.flush();
    const std::string start = drain();
    EXPECT_TRUE(start.starts_with("\x1b[?1049h\x1b[?25l")) << start;
    EXPECT_TRUE(contains(start, "hi"));
    type("\x1b[A");
    EXPECT_EQ(con.GetKey(), key::Up);
    type("\x1b");  // a lone Escape is a key, not the start of one
    EXPECT_EQ(con.GetKey(), key::Unknown);
    type("b");
    EXPECT_EQ(con.GetKey(), key::B);
    con.restore();
    EXPECT_TRUE(canonical());
    EXPECT_TRUE(drain().ends_with("\x1b[0m\x1b[?25h\x1b[?1049l"));
  }
  EXPECT_TRUE(canonical());
}

TEST_F(TerminalConsoleTtyTest, AnswersAreTypedAsEchoedLines) {
  TerminalConsole con(slave, slave);
  con.Cout(0, 3, "? ");
  type(
      "4\x7f"
      "5\r");
  int v = 0;
  ASSERT_TRUE(con.In().readInt(v));
  EXPECT_EQ(v, 5);
  EXPECT_EQ(con.screen().rowText(3), "? 5");
  EXPECT_EQ(con.screen().row(), 4);
  EXPECT_TRUE(contains(drain(), "5"));
}

TEST_F(TerminalConsoleTtyTest, ASmallWindowGetsAMessageUntilItIsLargeEnough) {
  resize(80, 24);
  TerminalConsole con(slave, slave);
  con.Cout(5, 5, "game");
  std::thread resizer([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    resize(100, 50);  // wider, still too narrow
    kill(getpid(), SIGWINCH);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    resize(130, 45);
    kill(getpid(), SIGWINCH);
  });
  // The console blocks until the window fits, so its output is read
  // meanwhile, until the repaint after the second message has come.
  std::string seen;
  std::thread reader([&] {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    auto done = [&] {
      size_t narrow = seen.find("100 columns by 50 rows");
      return narrow != std::string::npos && seen.find("game", narrow) != std::string::npos;
    };
    while (!done() && std::chrono::steady_clock::now() < deadline) seen += drain();
  });
  con.flush();  // waits for the window to be large enough
  resizer.join();
  reader.join();
  const size_t small = seen.find("This one is 80 columns by 24 rows");
  const size_t narrow = seen.find("This one is 100 columns by 50 rows");
  const size_t game = seen.rfind("game");
  ASSERT_NE(small, std::string::npos) << seen;
  ASSERT_NE(narrow, std::string::npos) << seen;
  EXPECT_TRUE(contains(seen, "at least 122 columns by 43 rows"));
  ASSERT_NE(game, std::string::npos);
  EXPECT_LT(small, narrow);
  EXPECT_LT(narrow, game);
}

TEST_F(TerminalConsoleTtyTest, AResizeWhileWaitingForAKeyRepaints) {
  TerminalConsole con(slave, slave);
  con.Cout(5, 5, "game");
  con.flush();
  drain();
  std::thread resizer([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    resize(140, 61);
    kill(getpid(), SIGWINCH);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    type("a");
  });
  EXPECT_EQ(con.GetKey(), key::A);
  resizer.join();
  const std::string repaint = drain();
  EXPECT_TRUE(contains(repaint, "\x1b[2J")) << repaint;
  EXPECT_TRUE(contains(repaint, "game"));
}

using TerminalConsoleTtyDeathTest = TerminalConsoleTtyTest;

TEST_F(TerminalConsoleTtyDeathTest, CtrlCEndsTheGameAndPutsTheTerminalBack) {
  // Typed once the terminal is raw: before, the line discipline would take
  // Ctrl-C for itself.
  EXPECT_EXIT(
      {
        TerminalConsole con(slave, slave);
        type("\x03");
        con.GetKey();
      },
      ::testing::ExitedWithCode(130), "");
  EXPECT_TRUE(drain().ends_with("\x1b[0m\x1b[?25h\x1b[?1049l"));
  EXPECT_TRUE(canonical());
}

TEST_F(TerminalConsoleTtyDeathTest, CtrlCDuringAnAnswerEndsTheGameToo) {
  EXPECT_EXIT(
      {
        TerminalConsole con(slave, slave);
        type("1\x03");
        int v;
        con.In().readInt(v);
      },
      ::testing::ExitedWithCode(130), "");
  EXPECT_TRUE(drain().ends_with("\x1b[0m\x1b[?25h\x1b[?1049l"));
  EXPECT_TRUE(canonical());
}

TEST_F(TerminalConsoleTtyDeathTest, TerminationSignalsPutTheTerminalBack) {
  for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
    EXPECT_EXIT(
        {
          TerminalConsole con(slave, slave);
          con.Cout(0, 0, "x");
          con.flush();
          raise(sig);
        },
        ::testing::ExitedWithCode(128 + sig), "")
        << sig;
    EXPECT_TRUE(drain().ends_with("\x1b[0m\x1b[?25h\x1b[?1049l")) << sig;
    EXPECT_TRUE(canonical()) << sig;
  }
}

}  // namespace
}  // namespace vm::test
