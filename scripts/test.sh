#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole test suite; then
# builds the device tests alone with ThreadSanitizer (the customer display runs a thread of its
# own) and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DVANDRIX_WERROR=ON
ctest --test-dir build --output-on-failure -j "$(nproc)"

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANDRIX_WERROR=ON \
  -DVANDRIX_SANITIZE=thread > build-tsan-configure.log 2>&1 || { cat build-tsan-configure.log; exit 1; }
rm -f build-tsan-configure.log
cmake --build build-tsan --target tests_devices -j "$(nproc)"
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" build-tsan/tests/devices/tests_devices
