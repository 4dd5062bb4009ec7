#!/usr/bin/env bash
# Builds Vellmarch and runs every test: the unit tests and the end-to-end
# tests, which run build/vellmarch and replay its output in a terminal
# emulator (an npm package, installed into tests/e2e by `npm ci`).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
(cd tests/e2e && npm ci --no-audit --no-fund)
bash scripts/build.sh
ctest --test-dir build --output-on-failure --timeout 300
