// The command line: help, version, bad options, and where the archive lives.

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "PlayTest.h"

namespace vm::test {
namespace {

namespace fs = std::filesystem;

TEST(CommandLine, HelpDescribesTheOptionsOnStandardOutputAndStartsNoGame) {
  TempArchive a;
  RunResult r = runVellmarch("", {"--help", "--archive", a.dir().string()});
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  for (const char* word : {"Usage", "--archive", "--help", "--version"})
    EXPECT_NE(r.out.find(word), std::string::npos) << word << " in:\n" << r.out;
  EXPECT_EQ(r.out.find('\x1b'), std::string::npos) << "no screen output";
  EXPECT_FALSE(fs::exists(a.dir()));
}

TEST(CommandLine, VersionPrintsNameAndNumber) {
  RunResult r = runVellmarch("", {"--version"});
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(std::regex_match(r.out, std::regex("vellmarch [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << r.out;
}

struct BadCommandLine {
  const char* label;
  std::vector<std::string> args;
  const char* named;  // what the message must name
};
// Shown as its label in test names and failure messages.
void PrintTo(const BadCommandLine& c, std::ostream* os) { *os << c.label; }

class RejectedCommandLine : public ::testing::TestWithParam<BadCommandLine> {};

TEST_P(RejectedCommandLine, ExitsWithStatus2AndAMessageOnStandardError) {
  const BadCommandLine& t = GetParam();
  TempArchive a;
  RunResult r = runVellmarch("", t.args, {{"XDG_DATA_HOME", a.root().string()}});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err.rfind("vellmarch: ", 0), 0u) << r.err;
  EXPECT_NE(r.err.find(t.named), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(a.root() / "vellmarch")) << "the game must not start";
}

INSTANTIATE_TEST_SUITE_P(
    Options, RejectedCommandLine,
    ::testing::Values(BadCommandLine{"UnknownLongOption", {"--bogus"}, "--bogus"},
                      BadCommandLine{"UnknownShortOption", {"-q"}, "-q"},
                      BadCommandLine{"StrayArgument", {"stray"}, "stray"},
                      BadCommandLine{"ArchiveWithoutDirectory", {"--archive"}, "--archive"},
                      BadCommandLine{"ArchiveEmpty", {"--archive", ""}, "--archive"},
                      BadCommandLine{"ArchiveTwice", {"--archive", "a", "--archive", "b"}, "--archive"}),
    [](const ::testing::TestParamInfo<BadCommandLine>& info) { return std::string(info.param.label); });

// Where each way of naming the archive puts it, under a scratch root.
struct Places {
  fs::path option, vellmarchArchive, xdgDataHome, home;
  explicit Places(const fs::path& root)
      : option(root / "opt"), vellmarchArchive(root / "env"), xdgDataHome(root / "xdg"), home(root / "home") {}
  fs::path xdgArchive() const { return xdgDataHome / "vellmarch" / "game_archive"; }
  fs::path homeArchive() const { return home / ".local" / "share" / "vellmarch" / "game_archive"; }
};

struct LocationCase {
  const char* label;
  bool option;
  const char* vellmarchArchive;  // nullptr: unset; "" set but empty
  const char* xdgDataHome;       // the same
  int hpShown;                   // the HP seeded in the archive that wins
};
void PrintTo(const LocationCase& c, std::ostream* os) { *os << c.label; }

class ArchiveLocation : public PlayTest, public ::testing::WithParamInterface<LocationCase> {};

TEST_P(ArchiveLocation, FollowsOptionThenVariablesThenHome) {
  const LocationCase& t = GetParam();
  const Places p(archive.root());
  const std::pair<fs::path, const char*> seeded[] = {
      {p.option, "11"}, {p.vellmarchArchive, "22"}, {p.xdgArchive(), "33"}, {p.homeArchive(), "44"}};
  for (const auto& [dir, hp] : seeded) {
    fs::create_directories(dir);
    writeFile(dir / "system_HP.wxov", hp);
    writeFile(dir / "system_tf.wxov", "3");
  }
  std::vector<std::string> args;
  if (t.option) args = {"--archive", p.option.string()};
  std::vector<std::pair<std::string, std::string>> env{{"HOME", p.home.string()}};
  if (t.vellmarchArchive) env.emplace_back("VELLMARCH_ARCHIVE", *t.vellmarchArchive ? p.vellmarchArchive.string() : "");
  if (t.xdgDataHome) env.emplace_back("XDG_DATA_HOME", *t.xdgDataHome ? p.xdgDataHome.string() : "");
  EmulatedScreen s = playWith("", args, env);
  EXPECT_EQ(s.text(0, 2, 7), "| HP:" + std::to_string(t.hpShown));
}

INSTANTIATE_TEST_SUITE_P(Precedence, ArchiveLocation,
                         ::testing::Values(LocationCase{"OptionFirst", true, "set", "set", 11},
                                           LocationCase{"VellmarchArchive", false, "set", "set", 22},
                                           LocationCase{"EmptyVellmarchArchiveIsUnset", false, "", "set", 33},
                                           LocationCase{"XdgDataHome", false, nullptr, "set", 33},
                                           LocationCase{"EmptyXdgDataHomeIsUnset", false, nullptr, "", 44},
                                           LocationCase{"Home", false, nullptr, nullptr, 44}),
                         [](const ::testing::TestParamInfo<LocationCase>& info) {
                           return std::string(info.param.label);
                         });

struct CreationCase {
  const char* label;
  const char* how;  // "option", "VELLMARCH_ARCHIVE", "XDG_DATA_HOME" or "HOME"
  const char* given;
  const char* created;
};
void PrintTo(const CreationCase& c, std::ostream* os) { *os << c.label; }

class MissingArchive : public PlayTest, public ::testing::WithParamInterface<CreationCase> {};

TEST_P(MissingArchive, IsCreatedWithItsParents) {
  const CreationCase& t = GetParam();
  const fs::path given = archive.root() / t.given;
  std::vector<std::string> args;
  std::vector<std::pair<std::string, std::string>> env;
  if (std::string(t.how) == "option")
    args = {"--archive", given.string()};
  else
    env.emplace_back(t.how, given.string());
  playWith("", args, env);
  EXPECT_TRUE(fs::is_directory(archive.root() / t.created)) << t.created;
}

INSTANTIATE_TEST_SUITE_P(
    Places, MissingArchive,
    ::testing::Values(CreationCase{"Option", "option", "a/b/c", "a/b/c"},
                      CreationCase{"VellmarchArchive", "VELLMARCH_ARCHIVE", "v/w", "v/w"},
                      CreationCase{"XdgDataHome", "XDG_DATA_HOME", "x", "x/vellmarch/game_archive"},
                      CreationCase{"Home", "HOME", "h", "h/.local/share/vellmarch/game_archive"}),
    [](const ::testing::TestParamInfo<CreationCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace vm::test
