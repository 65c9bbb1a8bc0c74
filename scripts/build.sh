#!/usr/bin/env bash
# Installs what is missing and builds Vandrix into build/. Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > build-configure.log 2>&1 \
  || { cat build-configure.log; exit 1; }
rm -f build-configure.log
cmake --build build -j "$(nproc)"
