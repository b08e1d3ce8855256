#!/usr/bin/env bash
# Sets up the machine if needed, builds every preset and runs every test: native
# (simulated platform), native with AddressSanitizer and UBSan, and the Windows DLL
# under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
source scripts/wine-env.sh

for preset in native asan mingw; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
