#!/usr/bin/env bash
# Pictures of the settings window in the eight languages, against the simulated device at its
# embedded default, taken with tools/screenshot.sh. docs/settings-<language>.png are made so.
#   screenshots.sh APPLET.exe SETTINGS_PROBE.exe OUT_DIR      (inside a bench session)
set -uo pipefail
tools=$(cd "$(dirname "$0")/../../../tools" && pwd)
source "$tools/bench-lib.sh"
bench_load_session screenshots
applet=$1 probe_exe=$2 out=$3
mkdir -p "$out" || bench_die "screenshots: cannot write $out"
log=$out/screenshots.log
: >"$log"

shoot() {
    local loc=$1 name=$2 title pid id
    export TX_LOCALE=$loc
    "$tools/wine-run" "$probe_exe" reset >>"$log" 2>&1 || bench_die "screenshots: the simulated driver does not answer"
    title=$("$tools/wine-run" "$probe_exe" title 2>>"$log" | tr -d '\r')
    [ -n "$title" ] || bench_die "screenshots: no title in $loc"
    "$tools/wine-run" "$applet" >>"$log" 2>&1 &
    pid=$!
    "$tools/screenshot.sh" "$title" "$out/settings-$name.png" >/dev/null ||
        { kill "$pid"; bench_die "screenshots: no picture in $loc (see $log)"; }
    id=$(bench_find_window "$title" 5) && timeout 10 xdotool windowfocus --sync "$id" &&
        timeout 10 xdotool key Escape
    bench_wait 20 eval '! kill -0 $pid 2>/dev/null' || { kill "$pid"; bench_die "screenshots: the applet did not end in $loc"; }
    echo "$out/settings-$name.png"
}

shoot en_US en
shoot de_DE de
shoot es_ES es
shoot fr_FR fr
shoot it_IT it
shoot nl_NL nl
shoot pt_PT pt
shoot ja_JP ja
