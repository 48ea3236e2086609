#!/usr/bin/env bash
# Hook of the bench's prefix template: runs the setup program, which installs the substitute
# driver (service tx90sim, automatic start, so every session from the template starts with one
# TX-90KL present at 48000 Hz) and the installer's part (registry strings, README pages).
#   bench-install-driver.sh PREFIX BUILD_ROOT   install (WINEPREFIX, DISPLAY, WINEDEBUG set;
#                                               output goes to the template's log)
#   bench-install-driver.sh --inputs BUILD_ROOT print the files the installed state depends on,
#                                               one per line (they go into the template's stamp)
# Until the driver and the setup program are built there is nothing to install.
set -euo pipefail

package() { echo "$1/win64/simdriver/package"; }

inputs() {
    local dir
    dir=$(package "$1")
    [ -d "$dir" ] || return 0
    find "$dir" -type f \( -name tx90sim.sys -o -name txsetup.exe -o -name 'Readme_*.htm' \) | sort
}

if [ "${1:-}" = "--inputs" ]; then
    inputs "$2"
    exit 0
fi
prefix=$1 root=$2
dir=$(package "$root")
if [ ! -f "$dir/txsetup.exe" ] || [ ! -f "$dir/tx90sim.sys" ]; then
    echo "bench-install-driver: no driver built under $root/win64; nothing to install"
    exit 0
fi
export WINEPREFIX=$prefix
# The setup program is 64-bit, like the driver: the service it creates is hosted by Wine's
# 64-bit driver host, and it writes the registry strings into both views itself.
wine64=/usr/lib/wine/wine64
[ -x "$wine64" ] || wine64=$(command -v wine64)
echo "bench-install-driver: $dir/txsetup.exe install"
"$wine64" "$dir/txsetup.exe" install </dev/null
