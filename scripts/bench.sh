#!/usr/bin/env bash
# Measures the figures of the README's Performance section: builds the
# Release game and vellmarch_bench in build/ (or $VELLMARCH_BUILD_DIR), then
# prints the bytes per turn, keys per second and redraw time, and the
# start-up time, key latency and peak memory in a 122 x 61 pseudo-terminal.
# Arguments go to scripts/pty-bench.py (for example --runs 5).
set -euo pipefail
cd "$(dirname "$0")/.."

build="${VELLMARCH_BUILD_DIR:-build}"
generator=()
if [ ! -f "$build/CMakeCache.txt" ]; then
  generator=(-G Ninja)
fi
cmake -S . -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DVELLMARCH_SANITIZE=OFF -DVELLMARCH_BENCH=ON
cmake --build "$build" --target vellmarch vellmarch_bench
"$build/bench/vellmarch_bench" --report
echo
python3 scripts/pty-bench.py --binary "$build/vellmarch" "$@"
