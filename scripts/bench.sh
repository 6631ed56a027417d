#!/usr/bin/env bash
# Installs what is needed, builds, and runs every benchmark; each prints its figures and goals.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
for b in snmp_bench v3discovery_bench walk_bench binding_bench startup_bench agent_bench registry_bench vlanstatic_bench; do
  echo "== $b"
  "build/bench/$b"
done
