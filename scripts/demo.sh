#!/usr/bin/env bash
# The main job: sets up the machine if needed, builds the Windows DLL and runs the
# product stand-in against it under Wine, printing what happened.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
source scripts/wine-env.sh

cmake --preset mingw >/dev/null
cmake --build --preset mingw
wine build/mingw/tests/wine/kxua_entry_e2e.exe build/mingw/host/KXUAAlerts.dll
