#!/usr/bin/env bash
# Benchmark of the substitute driver: the median cost of one applet-style exchange (open the
# link, one request, close) per control code, from a 32-bit client, inside a bench session.
# Prints figures; judges nothing.
#   tools/bench-driver.sh [BUILD_ROOT] [COUNT]   (defaults: ${TX_BUILD_DIR:-build}, 1000)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(realpath -m "${1:-${TX_BUILD_DIR:-$(dirname "$here")/build}}")
count=${2:-1000}
bench=$root/win32/tests/e2e/driver/driver_roundtrip_bench.exe
[ -f "$bench" ] || { echo "bench-driver: $bench is not built (tools/build.sh win64 win32)" >&2; exit 2; }
exec "$here/bench" run "$root" -- "$here/wine-run" "$bench" "$count"
