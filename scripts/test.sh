#!/usr/bin/env bash
# Installs what is needed, builds, and runs the whole test suite twice: in the normal build
# and in the debug build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

jobs=$(nproc)
run_suite() {  # <build dir> <cmake args...>
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest -j "$((jobs * 2))" --output-on-failure --timeout 600)
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DVRX_SANITIZE=ON -DVRX_BUILD_BENCH=OFF
echo "All tests passed."
