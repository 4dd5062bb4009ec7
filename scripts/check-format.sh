#!/usr/bin/env bash
# Fails when a C++ file of src/, tests/ or bench/ differs from what
# clang-format makes of it with the committed .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."

dirs=()
for d in src tests bench; do
  if [ -d "$d" ]; then dirs+=("$d"); fi
done
mapfile -t files < <(find "${dirs[@]}" -name node_modules -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort)
if ((${#files[@]} == 0)); then
  echo "check-format: no C++ files found" >&2
  exit 1
fi
clang-format --dry-run --Werror "${files[@]}"
echo "check-format: ${#files[@]} files formatted as .clang-format asks."
