#!/usr/bin/env bash
# The recipe of the bench's Wine prefix template (run by tools/bench; its hash is part of the
# template's stamp, so editing it makes the next session rebuild the template).
# Usage: bench-template.sh PREFIX BUILD_ROOT LOG   with DISPLAY, WINEDEBUG, WINEDLLOVERRIDES set.
# Also writes PREFIX.shared: the Wine DLLs that sessions hard-link instead of copying.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/bench-lib.sh"
prefix=$1 root=$2 log=$3
export WINEPREFIX=$prefix WINEARCH=win64

fail() { timeout 20 wineserver -k >>"$log" 2>&1; bench_die "bench: $* (see $log)"; }

echo "--- wineboot -i" >>"$log"
timeout 300 wineboot -i </dev/null >>"$log" 2>&1 || fail "prefix creation failed"
# services.exe restarts once after the first boot; the prefix is complete only when the server
# has ended.
timeout 120 wineserver -w >>"$log" 2>&1 || fail "prefix creation did not settle"

# Wine's own DLLs are never written during a session, so sessions may share them.
(cd "$prefix" && find drive_c/windows/system32 drive_c/windows/syswow64 drive_c/windows/winsxs \
    -type f -regextype posix-extended -regex '.*\.(dll|exe|drv|sys|nls|ocx|cpl|acm|vxd|tlb|ax|com|mod)' \
    -printf '%p\n' | sort) >"$prefix.shared" || fail "listing the prefix failed"

# Wine does not read the fonts of the fonts-wine package by itself (Tahoma, the dialog font);
# the IPA fonts give Japanese glyphs.
fonts=$prefix/drive_c/windows/Fonts
cp /usr/share/wine/fonts/* "$fonts/" || fail "copying Wine's fonts failed"
cp /usr/share/fonts/opentype/ipafont-gothic/*.ttf "$fonts/" || fail "copying the Japanese font failed"

# No window manager runs on the bench: Wine draws the captions. No crash dialog may wait for a
# click. The Japanese UI font names resolve to the IPA font.
reg=$prefix/drive_c/bench.reg
cat >"$reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAGothic"
"MS Gothic"="IPAGothic"
"MS PGothic"="IPAPGothic"
EOF
echo "--- regedit" >>"$log"
timeout 120 wine regedit /S 'C:\bench.reg' </dev/null >>"$log" 2>&1 || fail "writing the prefix's registry failed"
rm -f "$reg"

hook=$here/bench-install-driver.sh
if [ -x "$hook" ]; then
    echo "--- $hook" >>"$log"
    timeout 300 "$hook" "$prefix" "$root" </dev/null >>"$log" 2>&1 || fail "installing the driver into the prefix failed"
fi

# The registry reaches the disk when the server ends.
timeout 120 wineserver -w >>"$log" 2>&1 || fail "the prefix's server did not end"
