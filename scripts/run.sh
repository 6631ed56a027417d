#!/usr/bin/env bash
# Installs what is needed, builds the module and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
echo "Built. The module's program and the simulated switch are not in the tree yet;"
echo "run the test suite with ./scripts/test.sh to see what works so far."
