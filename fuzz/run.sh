#!/usr/bin/env bash
# Runs every fuzz target for the given seconds over its seeds (the shipped files and the cases
# below), keeping what each run learnt in the build folder, and prints a table of executions.
# A crash, a sanitizer report or a broken property leaves its input in <build>/findings and
# fails the run once every target has had its turn.
# Usage: fuzz/run.sh <build folder> [seconds per target]
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
seconds="${2:-60}"
data="$here/../data"

declare -A shipped=(
  [fuzz_print_format]="$data/FormatoDespacho.txt"
  [fuzz_report_definition]="$data/detallesVontarelisInline.rcl"
  [fuzz_site_script]="$data/evGuiaDespacho.js.sample $data/evDetalleGD.js.sample"
)

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 TZ=UTC
mkdir -p "$build/findings"
failed=()
printf '%-24s %12s  %s\n' target executions result
for seeds in "$here"/seeds/*/; do
  target=$(basename "$seeds")
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  cp "$seeds"* ${shipped[$target]:-} "$corpus/"
  log="$build/findings/$target.log"
  "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "$corpus" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ "$status" -eq 0 ]; then
    result=ok
  else
    result="FOUND: $(grep -m1 -E 'ERROR|PROPERTY FAILED|runtime error' "$log")"
    failed+=("$target")
  fi
  printf '%-24s %12s  %s\n' "$target" "${runs:-?}" "$result"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]} (inputs and logs in $build/findings)" >&2
  exit 1
fi
