#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DVANDRIX_WERROR=ON
ctest --test-dir build --output-on-failure -j "$(nproc)"
