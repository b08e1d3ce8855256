#!/usr/bin/env bash
# A long soak on the simulation: the suite's generator at 10,000 alerts (or as many
# as asked), run through the library with its invariants checked, figures printed.
#
#   bash scripts/soak.sh [--preset native|asan] [--alerts N] [--seed S] [--out FOLDER]
#
# Exit code: 0 when every invariant held, 1 when one broke (the scenario and report
# are left in FOLDER, by default build/soak, to replay with kxua-demo).
set -euo pipefail
cd "$(dirname "$0")/.."

preset=native
args=()
while (($#)); do
  case "$1" in
    --preset) preset="$2"; shift 2 ;;
    *) args+=("$1"); shift ;;
  esac
done
case " ${args[*]-} " in *" --alerts "*) ;; *) args+=(--alerts 10000) ;; esac
case " ${args[*]-} " in *" --out "*) ;; *) args+=(--out "build/soak-$preset") ;; esac

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target kxua-soak
"build/$preset/tools/kxua-demo/kxua-soak" "${args[@]}"
