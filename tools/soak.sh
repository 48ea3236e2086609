#!/usr/bin/env bash
# Soak of the applet: 10,000 refreshes of the display in-process, then the real refresh timer
# of the real applet against the substitute driver for a few minutes. Prints what each
# process held before and after (handles, GDI and USER objects, pagefile) and the refreshes.
#   tools/soak.sh [SECONDS]     (default 150; TX_BUILD_DIR as for tools/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-150}
case $seconds in '' | *[!0-9]*) echo "soak: SECONDS must be a whole number" >&2; exit 2 ;; esac
root=${TX_BUILD_DIR:-$PWD/build}
tools/build.sh win64 win32
log=$root/bench/logs/soak-$(date +%Y%m%d-%H%M%S).log
mkdir -p "$(dirname "$log")"
rc=0
TX_SOAK_SECONDS=$seconds tools/bench run "$root" -- \
    ctest --test-dir "$root/win32" -R '^(faults_soak|e2e_faults_soak)$' -V >"$log" 2>&1 || rc=$?
grep -E 'refreshes|tests passed|Failed' "$log" | sed -E 's/^[0-9]+: //'
echo "soak: full output in $log"
exit $rc
