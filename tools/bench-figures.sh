#!/usr/bin/env bash
# Prints wall times of the everyday commands (figures, not pass/fail):
#   the test command on a built tree, and a rebuild after touching one source file;
#   with --fresh also `bash .ci/run` in a fresh clone of the committed tree (packages already
#   installed on this machine are not installed again, so this is less than a new machine's).
#   tools/bench-figures.sh [--fresh]
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(realpath -m "${TX_BUILD_DIR:-$PWD/build}")
export TX_BUILD_DIR=$root
logs=$root/figures
mkdir -p "$logs"

# timed LABEL LOG CMD...: runs CMD with its output in LOG and prints LABEL and the wall time.
timed() {
    local label=$1 log=$2 start rc
    shift 2
    start=$EPOCHREALTIME
    "$@" </dev/null >"$log" 2>&1
    rc=$?
    printf '%-58s %7s s%s\n' "$label" "$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')" \
        "$([ $rc -eq 0 ] || echo "  (failed with code $rc, see $log)")"
}

tools/build.sh >"$logs/build.log" 2>&1 || { echo "figures: the build failed (see $logs/build.log)" >&2; exit 1; }
timed "tools/test.sh on a built tree" "$logs/test.log" tools/test.sh
touch platform/win32/Win32TextPort.cpp
timed "tools/build.sh win32 after touching Win32TextPort.cpp" "$logs/rebuild.log" tools/build.sh win32

if [ "${1:-}" = "--fresh" ]; then
    clone=$(mktemp -d /tmp/tx-fresh.XXXXXX)
    git clone -q . "$clone" || { echo "figures: cloning failed" >&2; exit 1; }
    timed "bash .ci/run in a fresh clone" "$logs/fresh-ci.log" \
        env -u TX_BUILD_DIR CI=true bash -c "cd '$clone' && bash .ci/run"
    rm -rf "$clone"
fi
