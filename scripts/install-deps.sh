#!/usr/bin/env bash
# Installs from Debian's packages what building, playing and testing
# Vellmarch needs. Packages already present are left alone, and when nothing
# is missing nothing is fetched. Runs as root, or through sudo otherwise.
set -euo pipefail

packages=(g++ cmake ninja-build libgtest-dev googletest libbenchmark-dev libcli11-dev clang-format)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# Node.js may come from another source with npm inside it, where Debian's npm
# package would conflict: look for the commands rather than the packages.
command -v node >/dev/null 2>&1 || missing+=(nodejs)
command -v npm >/dev/null 2>&1 || missing+=(npm)

if ((${#missing[@]} == 0)); then
  echo "install-deps: everything needed is installed."
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
