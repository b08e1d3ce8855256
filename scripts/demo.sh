#!/usr/bin/env bash
# The main job: sets up the machine if needed, builds the Windows DLL and the demo
# runner, and runs a scenario (examples/tour.json unless one is given) against the
# real DLL under Wine. The report is written to build/demo/report.json, with a PNG
# of every toast shown beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
scenario=${1:-examples/tour.json}

bash scripts/setup.sh
source scripts/wine-env.sh

cmake --preset mingw >/dev/null
cmake --build --preset mingw
mkdir -p build/demo
wine build/mingw/tools/kxua-demo/kxua-demo.exe "$scenario" \
  --dll build/mingw/host/KXUAAlerts.dll --out build/demo
echo "report: build/demo/report.json"
shopt -s nullglob
pictures=(build/demo/[0-9][0-9]*-*.png)
if [ ${#pictures[@]} -gt 0 ]; then
  echo "pictures (${#pictures[@]}) in build/demo/:"
  printf '  %s\n' "${pictures[@]##*/}"
else
  echo "pictures: none (no toast was shown)"
fi
