#!/usr/bin/env bash
# Runs every libFuzzer target of the asan tree for SECONDS each (default 60) and prints, per
# target, the executions and the findings (crash, leak, timeout, out-of-memory inputs).
# Corpora grow in <asan tree>/fuzz/<target>/corpus; findings land in .../findings.
# Usage: tools/fuzz.sh [SECONDS] [target-name-pattern]
# TX_BUILD_DIR selects the build root as for tools/build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
pattern=${2:-}
tree=${TX_BUILD_DIR:-$PWD/build}/asan
[ -d "$tree" ] || { echo "fuzz: no asan tree at $tree (run tools/build.sh asan)" >&2; exit 1; }

mapfile -t targets < <(find "$tree/tests/fuzz" -type f -perm -u+x -name 'fuzz_*' 2>/dev/null | sort)
[ ${#targets[@]} -gt 0 ] || { echo "fuzz: no fuzz targets built in $tree" >&2; exit 1; }

total_findings=0
printf '%-36s %12s %9s\n' target executions findings
for exe in "${targets[@]}"; do
  name=$(basename "$exe")
  [[ -z "$pattern" || "$name" == *$pattern* ]] || continue
  work="$tree/fuzz/$name"
  mkdir -p "$work/corpus" "$work/findings"
  log="$work/last-run.log"
  "$exe" "$work/corpus" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$work/findings/" >"$log" 2>&1 || true
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  findings=$(find "$work/findings" -type f | wc -l)
  total_findings=$((total_findings + findings))
  printf '%-36s %12s %9s\n' "$name" "${runs:-?}" "$findings"
done
[ "$total_findings" -eq 0 ] || { echo "fuzz: findings kept in $tree/fuzz/*/findings" >&2; exit 1; }
