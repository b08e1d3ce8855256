#!/usr/bin/env bash
# The main job: sets up the machine if needed, builds the Windows DLL and the demo
# runner, and runs a scenario (examples/tour.json unless one is given) against the
# real DLL under Wine. The report is written to build/demo/report.json, with a PNG
# of every toast shown beside it.
#
# It plays the i686 DLL, the product's own target, where the kernel runs 32-bit
# programs, and the x86_64 DLL where it does not.
set -euo pipefail
cd "$(dirname "$0")/.."
scenario=${1:-examples/tour.json}

bash scripts/setup.sh
source scripts/wine-env.sh

if [ -n "$KXUA_WINE32" ]; then
  preset=mingw wine=$KXUA_WINE32 why="the product's own target"
else
  preset=mingw64 wine=$KXUA_WINE64 why="this kernel runs no 32-bit programs"
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target kxua-demo KXUAAlerts
mkdir -p build/demo
echo "playing $scenario with build/$preset/host/KXUAAlerts.dll ($why)"
"$wine" "build/$preset/tools/kxua-demo/kxua-demo.exe" "$scenario" \
  --dll "build/$preset/host/KXUAAlerts.dll" --out build/demo
echo "report: build/demo/report.json"
shopt -s nullglob
pictures=(build/demo/[0-9][0-9]*-*.png)
if [ ${#pictures[@]} -gt 0 ]; then
  echo "pictures (${#pictures[@]}) in build/demo/:"
  printf '  %s\n' "${pictures[@]##*/}"
else
  echo "pictures: none (no toast was shown)"
fi
