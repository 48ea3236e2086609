#!/usr/bin/env bash
# The demo: the settings applet Qzdp4406.exe under Wine, against the simulated TX-90KL that the
# bench's prefix has installed.
#   tools/demo.sh
# With $DISPLAY set the applet opens on that display; close it to end the demo. Without one it
# runs headless under Xvfb: the applet's window is saved to BUILD/demo.png and the applet ended.
# TX_LOCALE picks the language (default en_US); TX_DEMO_TITLE overrides the window title to wait
# for, which otherwise follows the language.
set -uo pipefail
cd "$(dirname "$0")/.."
tools=$PWD/tools
source "$tools/bench-lib.sh"
root=$(realpath -m "${TX_BUILD_DIR:-$PWD/build}")
export TX_BUILD_DIR=$root
exe=$root/win32/app/Qzdp4406.exe
case "${TX_LOCALE:-en_US}" in
de_*) default_title="TX-90KL Treibereinstellungen" ;;
es_*) default_title="TX-90KL Configuración del controlador" ;;
fr_*) default_title="TX-90KL Paramètres du pilote" ;;
it_*) default_title="TX-90KL Impostazioni del driver" ;;
nl_*) default_title="TX-90KL Stuurprogramma-instellingen" ;;
pt_*) default_title="TX-90KL Configurações do Driver" ;;
ja_*) default_title="TX-90KL Driver の設定" ;;
*) default_title="TX-90KL Driver Settings" ;;
esac
title=${TX_DEMO_TITLE:-$default_title}
shot=$root/demo.png

# Inside the bench session: start the applet, wait for its window, photograph it, end it.
headless() {
    local pid
    rm -f "$shot"
    "$tools/wine-run" "$exe" >"$root/demo.log" 2>&1 &
    pid=$!
    bench_wait 30 eval 'bench_find_window "$title" 0 >/dev/null || ! kill -0 $pid 2>/dev/null'
    if ! id=$(bench_find_window "$title" 1); then
        kill -0 "$pid" 2>/dev/null || bench_die "demo: the applet ended without showing a window (see $root/demo.log)"
        kill "$pid"
        bench_die "demo: the applet showed no window titled \"$title\" within 30 s"
    fi
    "$tools/screenshot.sh" "$title" "$shot" >/dev/null || exit 1
    timeout 10 xdotool windowfocus --sync "$id" && timeout 10 xdotool key Escape
    bench_wait 10 eval '! kill -0 $pid 2>/dev/null' || kill "$pid" 2>/dev/null
    echo "$shot"
}

if [ "${1:-}" = "--in-session" ]; then
    bench_load_session demo
    headless
    exit
fi

tools/setup-deps.sh || bench_die "demo: installing the packages failed"
tools/build.sh win64 win32 || bench_die "demo: the build failed"
if [ -n "${DISPLAY:-}" ]; then
    TX_WINE_TIMEOUT=${TX_WINE_TIMEOUT:-86400} tools/bench run --display "$root" -- "$tools/wine-run" "$exe"
    rc=$?
    echo "demo: the applet ended (exit code $rc)"
    exit $rc
else
    tools/bench run "$root" -- "$tools/demo.sh" --in-session
fi
