#!/usr/bin/env bash
# The main job: sets up the machine if needed, builds the Windows DLL and the demo
# runner, and runs a scenario (examples/basic.json unless one is given) against the
# real DLL under Wine. The report is written to build/demo/report.json.
set -euo pipefail
cd "$(dirname "$0")/.."
scenario=${1:-examples/basic.json}

bash scripts/setup.sh
source scripts/wine-env.sh

cmake --preset mingw >/dev/null
cmake --build --preset mingw
mkdir -p build/demo
wine build/mingw/tools/kxua-demo/kxua-demo.exe "$scenario" \
  --dll build/mingw/host/KXUAAlerts.dll --out build/demo
echo "report: build/demo/report.json"
