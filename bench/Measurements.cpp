#include "Measurements.h"

#include <algorithm>
#include <chrono>
#include <functional>

#include "BenchGame.h"
#include "ByteFloor.h"
#include "HeadlessGame.h"
#include "MeteredTerminal.h"
#include "ScriptFile.h"
#include "console/TerminalConsole.h"
#include "main/GameLoop.h"
#include "main/SharedOps.h"
#include "rules/Talents.h"
#include "screens/StatusPanel.h"

namespace vm::bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWalkLaps = 20;
constexpr int kHelpPairs = 5;
// Timings are the fastest of several repeats: on a shared machine the
// slower ones measure the neighbours.
constexpr int kHeadlessKeys = 200'000;
constexpr int kDevNullKeys = 100'000;
constexpr int kSpeedRepeats = 5;
constexpr int kRedraws = 2'000;
constexpr int kPanelPasses = 100'000;

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t m = v.size() / 2;
  return v.size() % 2 == 1 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// Per mark of a recording: the floor from the previous picture (from a
// blank screen for the first) and the naive repaint.
struct MarkFigures {
  std::vector<double> floor;
  std::vector<double> naive;
  std::vector<double> wholeMap;
};

MarkFigures figuresOf(const Recording& r) {
  MarkFigures f;
  ByteFloor floor;
  GlyphCache glyphs;
  ScreenModel blank(TerminalConsole::kWidth, TerminalConsole::kHeight);
  const ScreenModel* before = &blank;
  for (const Mark& m : r.marks) {
    f.floor.push_back(static_cast<double>(floor.transition(*before, m.screen)));
    f.naive.push_back(static_cast<double>(naiveRepaint(m.screen, glyphs)));
    f.wholeMap.push_back(static_cast<double>(wholeMapFloor(m.screen, glyphs)));
    before = &m.screen;
  }
  return f;
}

// The figures of the marks `pick` selects (mark i ends the turn of key i;
// mark 0 is the first screen).
TurnFigures collect(std::string name, const Recording& r, const MarkFigures& f,
                    const std::function<bool(std::size_t)>& pick) {
  TurnFigures t;
  t.name = std::move(name);
  std::vector<double> bytes, floor, naive, wholeMap;
  for (std::size_t i = 0; i < r.marks.size(); ++i) {
    if (!pick(i)) continue;
    const std::uint64_t b = i == 0 ? r.marks[0].bytes : r.turnBytes(i);
    bytes.push_back(static_cast<double>(b));
    floor.push_back(f.floor[i]);
    naive.push_back(f.naive[i]);
    wholeMap.push_back(f.wholeMap[i]);
    t.minBytes = t.samples == 0 ? b : std::min(t.minBytes, b);
    t.maxBytes = std::max(t.maxBytes, b);
    t.maxWrites = std::max(t.maxWrites, r.marks[i].writes);
    ++t.samples;
  }
  t.bytes = median(bytes);
  t.floor = median(floor);
  t.naive = median(naive);
  t.wholeMapFloor = median(wholeMap);
  return t;
}

std::string repeated(int key, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += arrowBytes(key);
  return s;
}

// Every key of the recording is a turn; the last mark is the read that found
// the end of input.
bool isTurn(const Recording& r, std::size_t i) { return i >= 1 && i < r.marks.size(); }

}  // namespace

TurnReport measureTurns() {
  TurnReport report;
  constexpr int kAcross = kWalkLastCol - kWalkFirstCol;

  const Recording walk = record(BenchSetup::onWalk(), walkBytes(kWalkLaps));
  const MarkFigures walkFigures = figuresOf(walk);
  const std::vector<int> lap = walkLap();
  auto keyOf = [&](std::size_t i) { return lap[(i - 1) % lap.size()]; };
  report.step =
      collect("step onto floor, panel unchanged", walk, walkFigures, [&](std::size_t i) { return isTurn(walk, i); });
  const std::pair<const char*, int> directions[] = {
      {"  right", key::Right}, {"  left", key::Left}, {"  down", key::Down}, {"  up", key::Up}};
  for (const auto& [name, k] : directions) {
    report.stepByDirection.push_back(
        collect(name, walk, walkFigures, [&, k = k](std::size_t i) { return isTurn(walk, i) && keyOf(i) == k; }));
  }
  report.firstScreen = collect("first screen after start-up", walk, walkFigures, [](std::size_t i) { return i == 0; });

  const Recording potion = record(BenchSetup::onWalk('+'), repeated(key::Right, kAcross));
  report.potion = collect("step onto a potion (HP changes)", potion, figuresOf(potion),
                          [&](std::size_t i) { return isTurn(potion, i); });

  // Enough hit points for every fight of the row.
  const Recording fight = record(BenchSetup::onWalk('a', {{"HP", 1'000'000}}), repeated(key::Right, kAcross));
  report.fight =
      collect("fight (HP and money change)", fight, figuresOf(fight), [&](std::size_t i) { return isTurn(fight, i); });

  const Recording help = record(BenchSetup::onWalk(), std::string(2 * kHelpPairs, 'b'));
  const MarkFigures helpFigures = figuresOf(help);
  report.helpOpen =
      collect("help screen opened", help, helpFigures, [&](std::size_t i) { return isTurn(help, i) && i % 2 == 1; });
  report.helpClose = collect("help screen closed (full redraw)", help, helpFigures,
                             [&](std::size_t i) { return isTurn(help, i) && i % 2 == 0; });
  return report;
}

namespace {

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double keysPerSecondHeadless(double& bytesPerKey) {
  std::vector<double> rates;
  for (int i = 0; i < kSpeedRepeats; ++i) {
    HeadlessGame game;
    startUp(game.ctx);
    game.con.flush();
    const std::uint64_t before = game.con.bytes();
    game.con.giveKeys(kHeadlessKeys);
    const auto start = Clock::now();
    mainLoop(game.ctx);
    rates.push_back(kHeadlessKeys / secondsSince(start));
    bytesPerKey = static_cast<double>(game.con.bytes() - before) / kHeadlessKeys;
  }
  return *std::max_element(rates.begin(), rates.end());
}

double keysPerSecondDevNull() {
  const std::string keys = walkBytes(kDevNullKeys / static_cast<int>(walkLap().size()));
  const double count = static_cast<double>(keys.size() / arrowBytes(key::Up).size());
  std::vector<double> rates;
  for (int i = 0; i < kSpeedRepeats; ++i) {
    TempArchive archive;
    BenchSetup::onWalk().seed(archive.archive());
    Game g;
    Fd in(openScript(keys));
    Fd out(openDevNull());
    TerminalConsole con(in.get(), out.get());
    Context ctx{g, con, archive.archive(), [] { return 0u; }};
    startUp(ctx);
    con.flush();
    const auto start = Clock::now();
    mainLoop(ctx);
    rates.push_back(count / secondsSince(start));
    con.restore();
  }
  return *std::max_element(rates.begin(), rates.end());
}

double fullRedrawMicroseconds() {
  std::vector<double> times;
  for (int i = 0; i < kSpeedRepeats; ++i) {
    HeadlessGame game;
    startUp(game.ctx);
    const auto start = Clock::now();
    for (int n = 0; n < kRedraws; ++n) {
      fullRedraw(game.ctx);
      game.con.flush();
    }
    times.push_back(secondsSince(start) * 1e6 / kRedraws);
  }
  return *std::min_element(times.begin(), times.end());
}

// The part of every turn that draws the status panel and the talent box
// into the picture, without rendering it.
double panelPassMicroseconds() {
  std::vector<double> times;
  for (int i = 0; i < kSpeedRepeats; ++i) {
    HeadlessGame game;
    startUp(game.ctx);
    const auto start = Clock::now();
    for (int n = 0; n < kPanelPasses; ++n) {
      drawStatusPanel(game.g, game.con);
      tfsc(game.ctx);
    }
    times.push_back(secondsSince(start) * 1e6 / kPanelPasses);
  }
  return *std::min_element(times.begin(), times.end());
}

}  // namespace

SpeedFigures measureSpeed() {
  SpeedFigures s;
  s.repeats = kSpeedRepeats;
  s.keysPerSecondHeadless = keysPerSecondHeadless(s.bytesPerKey);
  s.keysPerSecondDevNull = keysPerSecondDevNull();
  s.fullRedrawMicroseconds = fullRedrawMicroseconds();
  s.panelPassMicroseconds = panelPassMicroseconds();
  return s;
}

}  // namespace vm::bench
