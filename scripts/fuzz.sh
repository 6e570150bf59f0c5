#!/usr/bin/env bash
# Runs every libFuzzer target of the "fuzz" preset for FUZZ_SECONDS each (60 unless given),
# one after the other (the machine's cores are shared). Each grows its own corpus in
# build/fuzz/corpus/<target>/, starting from the committed seeds (fuzz/corpus/<target>/)
# and regressions (fuzz/regressions/<target>/); what breaks a property or trips a sanitizer
# is left in build/fuzz/findings/<target>/. Ends with a table of the runs; fails on a finding.
# Build first: cmake --preset fuzz && cmake --build --preset fuzz (make fuzz does both).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
build=build/fuzz
mapfile -t targets < <(find fuzz/corpus -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)

rows=()
found=0
for target in "${targets[@]}"; do
  binary=$build/fuzz/fuzz_$target
  corpus=$build/corpus/$target
  findings=$build/findings/$target
  log=$build/logs/$target.log
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  seeds=(fuzz/corpus/"$target")
  if [[ -d fuzz/regressions/$target ]]; then seeds+=(fuzz/regressions/"$target"); fi
  echo "fuzz: $target for ${seconds}s (log: $log)"
  status=ok
  # The first folder takes what the run finds new; the committed ones are only read.
  if ! "$binary" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    status=FOUND
    found=1
    grep -E "broken property|ERROR: |runtime error|Assertion|Test unit written" "$log" | head -5 >&2 || true
  fi
  # libFuzzer's closing line "#N DONE cov: C ft: F corp: K/Sb lim: L exec/s: E rss: R"; a
  # run that found something ends without it, so runs and speed come from its final stats.
  last=$(grep -E '^#[0-9]+[[:space:]].*cov: ' "$log" | tail -1 || true)
  runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$log")
  speed=$(sed -nE 's/^stat::average_exec_per_sec: *([0-9]+)/\1/p' "$log")
  cov=$(sed -nE 's/.*cov: ([0-9]+).*/\1/p' <<<"$last")
  corp=$(sed -nE 's/.*corp: ([0-9]+)\/.*/\1/p' <<<"$last")
  rows+=("$target ${runs:--} ${speed:--} ${cov:--} ${corp:--} $status")
done

echo
printf '%-15s %12s %8s %6s %7s  %s\n' target runs exec/s cov corpus result
for row in "${rows[@]}"; do
  # shellcheck disable=SC2086
  printf '%-15s %12s %8s %6s %7s  %s\n' $row
done
if ((found)); then
  echo "fuzz: findings are in $build/findings/; keep each under fuzz/regressions/<target>/" >&2
  exit 1
fi
