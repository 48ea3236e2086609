#!/usr/bin/env bash
# Runs the text window in the session, photographs it with tools/screenshot.sh and ends it
# with a real Escape key.  Usage: screenshot_test.sh TEXT_WINDOW.exe OUT.png
set -uo pipefail
tools=$(cd "$(dirname "$0")/../../../tools" && pwd)
source "$tools/bench-lib.sh"
exe=$1 out=$2
title="TX bench text"
bench_load_session screenshot_test

rm -f "$out"
"$tools/wine-run" "$exe" >"$out.log" 2>&1 &
pid=$!
finish() { kill "$pid" 2>/dev/null; cat "$out.log"; bench_die "screenshot_test: $*"; }

"$tools/screenshot.sh" "$title" "$out" >/dev/null || finish "no screenshot"
size=$(identify -format '%wx%h' "$out") || finish "unreadable picture $out"
[ "$size" = "420x170" ] || finish "picture is $size, the window is 420x170"
# More than a handful of colours: the caption and text were drawn, not a blank rectangle.
colours=$(identify -format '%k' "$out")
[ "$colours" -gt 8 ] || finish "picture has only $colours colours"

id=$(bench_find_window "$title" 5) || finish "window vanished"
timeout 10 xdotool windowfocus --sync "$id" && timeout 10 xdotool key Escape ||
    finish "xdotool could not press Escape"
bench_wait 20 eval '! kill -0 $pid 2>/dev/null' || finish "the window did not end on Escape"
wait "$pid"
rc=$?
[ $rc -eq 0 ] || finish "the text window exited with $rc"
echo "screenshot_test: $out ($size, $colours colours)"
