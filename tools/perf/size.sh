#!/usr/bin/env bash
# Prints the size of the applet (and of the bare dialog of the start-up benchmark) and the
# DLLs each imports; the applet links its runtime statically, so these should be system DLLs.
#   tools/perf/size.sh [BUILD_ROOT]   (default: ${TX_BUILD_DIR:-build})
set -euo pipefail
source "$(dirname "$0")/perf-lib.sh"
perf_root "${1:-}"
applet=$root/win32/app/Qzdp4406.exe
perf_need size "$applet"
for exe in "$applet" "$root/win32/tests/bench/startup/startup_bare_dialog.exe"; do
    [ -f "$exe" ] || continue
    bytes=$(stat -c %s "$exe")
    printf '%s: %d bytes (%d KB)\n' "$(basename "$exe")" "$bytes" $(((bytes + 1023) / 1024))
    printf '  imports: %s\n' "$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | sort -f | paste -sd' ')"
done
