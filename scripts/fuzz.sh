#!/usr/bin/env bash
# Runs every fuzz target for SECONDS (default 600) on its corpus, with the whole
# library built for coverage and under AddressSanitizer and UBSan (clang's libFuzzer,
# the `fuzz` preset), and prints per target the executions, the coverage reached and
# the findings. New inputs go to build/fuzz/corpus/<target> (the seeds in
# tests/fuzz/corpus/ stay as they are); findings to build/fuzz/findings/<target>/.
# Add an input that found something to the target's seeds once it is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

bash scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target kxua_fuzz

targets=$(cd tests/fuzz/corpus && ls)
found=0
printf '%-22s %12s %8s %8s  %s\n' target executions edges features findings
for target in $targets; do
  corpus=build/fuzz/corpus/$target findings=build/fuzz/findings/$target
  rm -rf "$findings"
  mkdir -p "$corpus" "$findings"
  log=build/fuzz/$target.log
  # A finding ends the target's run and leaves its input in the findings folder.
  "build/fuzz/tests/fuzz/$target" "$corpus" "tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/" \
    >"$log" 2>&1 || true
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  last=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
  edges=$(printf '%s' "$last" | sed -n 's/.* cov: \([0-9]*\).*/\1/p')
  features=$(printf '%s' "$last" | sed -n 's/.* ft: \([0-9]*\).*/\1/p')
  artifacts=$(ls "$findings" | wc -l)
  [ "$artifacts" -gt 0 ] && found=$((found + artifacts))
  printf '%-22s %12s %8s %8s  %s\n' "$target" "${runs:-?}" "${edges:-?}" "${features:-?}" \
    "$([ "$artifacts" -gt 0 ] && echo "$artifacts in $findings (log: $log)" || echo none)"
done
[ "$found" -eq 0 ] && echo "no findings" || { echo "$found finding(s)"; exit 1; }
