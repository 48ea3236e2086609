#!/usr/bin/env bash
# Benchmark: start to window shown, for the applet against the simulated device and for a bare
# dialog program with the same template and resources, COUNT interleaved runs each inside one
# warm bench session. Prints medians and their ratio; judges nothing.
#   tools/perf/startup.sh [BUILD_ROOT] [COUNT]   (defaults: ${TX_BUILD_DIR:-build}, 20)
set -euo pipefail
source "$(dirname "$0")/perf-lib.sh"
perf_root "${1:-}"
count=${2:-20}
applet=$root/win32/app/Qzdp4406.exe
bare=$root/win32/tests/bench/startup/startup_bare_dialog.exe
bench=$root/win32/tests/bench/startup/startup_bench.exe
perf_need startup "$applet" "$bare" "$bench"
exec "$perf_repo/tools/bench" run "$root" -- "$perf_repo/tools/wine-run" "$bench" "$count" \
    "$(perf_winpath "$applet")" "$(perf_winpath "$bare")"
