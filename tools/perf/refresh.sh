#!/usr/bin/env bash
# Benchmark: one refresh tick of the settings window against a minimal client making the same
# device requests, with the default device and with four units on the derived path, inside a
# bench session. Prints medians and their ratios; judges nothing.
#   tools/perf/refresh.sh [BUILD_ROOT] [TICKS] [BATCH]   (defaults: ${TX_BUILD_DIR:-build}, 2000, 10)
set -euo pipefail
source "$(dirname "$0")/perf-lib.sh"
perf_root "${1:-}"
bench=$root/win32/tests/bench/refresh/refresh_bench.exe
perf_need refresh "$bench"
exec "$perf_repo/tools/bench" run "$root" -- "$perf_repo/tools/wine-run" "$bench" "${2:-2000}" "${3:-10}"
