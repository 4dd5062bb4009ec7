// vellmarch_bench: `--report` prints the bytes per turn, keys per second and
// redraw time beside their targets; otherwise the Google Benchmark cases
// run, with the library's own options.

#include <benchmark/benchmark.h>

#include <cstring>

#include "Report.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--report") == 0) return vm::bench::printReport();
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
