#!/usr/bin/env bash
# Configures a Release build in build/ and builds the given targets (all of
# them when none is given). Run from anywhere inside the clone.
set -euo pipefail
cd "$(dirname "$0")/.."

generator=()
# Keep whatever generator an existing build/ was made with.
if [ ! -f build/CMakeCache.txt ]; then
  generator=(-G Ninja)
fi
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release
if (($# > 0)); then
  cmake --build build --target "$@"
else
  cmake --build build
fi
