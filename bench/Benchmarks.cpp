// Google Benchmark cases: the same loop as the report, timed by the library.

#include <benchmark/benchmark.h>

#include "HeadlessGame.h"
#include "main/GameLoop.h"
#include "main/SharedOps.h"

namespace vm::bench {

namespace {

constexpr int kKeysPerPass = 10'000;

// Keys through the whole loop: dispatch, tile rules, panel, talent box and
// the renderer into a byte counter.
void BM_WalkKeys(benchmark::State& state) {
  HeadlessGame run;
  startUp(run.ctx);
  run.con.flush();
  const std::uint64_t before = run.con.bytes();
  for (auto _ : state) {
    run.con.giveKeys(kKeysPerPass);
    benchmark::DoNotOptimize(mainLoop(run.ctx));
  }
  const double keys = static_cast<double>(state.iterations()) * kKeysPerPass;
  state.SetItemsProcessed(static_cast<std::int64_t>(keys));
  state.counters["bytes_per_key"] = static_cast<double>(run.con.bytes() - before) / keys;
}
BENCHMARK(BM_WalkKeys)->Unit(benchmark::kMillisecond);

// The full redraw of closing the help or the inventory, rendered.
void BM_FullRedraw(benchmark::State& state) {
  HeadlessGame run;
  startUp(run.ctx);
  run.con.flush();
  const std::uint64_t before = run.con.bytes();
  for (auto _ : state) {
    fullRedraw(run.ctx);
    run.con.flush();
  }
  state.counters["bytes"] = static_cast<double>(run.con.bytes() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond);

// Start-up to the first screen: archive load, map print, panel, talent box,
// rendered (without the process start, which the pseudo-terminal script
// measures).
void BM_FirstScreen(benchmark::State& state) {
  HeadlessGame run;
  for (auto _ : state) {
    Game g;
    CountingConsole con{walkBytes(1)};
    Context ctx{g, con, run.archive.archive(), [] { return 0u; }};
    startUp(ctx);
    benchmark::DoNotOptimize(mainLoop(ctx));  // no keys: panel, talent box, the first frame
    state.counters["bytes"] = static_cast<double>(con.bytes());
  }
}
BENCHMARK(BM_FirstScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace vm::bench
