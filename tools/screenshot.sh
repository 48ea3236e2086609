#!/usr/bin/env bash
# Saves a picture of one window of the current bench session.
#   tools/screenshot.sh "WINDOW TITLE" OUT.png
# The window is found by its exact title (waiting up to TX_SCREENSHOT_WAIT seconds, default
# 15); the whole screen is taken and cropped to the window's rectangle, once the window's
# picture has stopped changing.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/bench-lib.sh"

[ $# -eq 2 ] || { echo "screenshot: usage: tools/screenshot.sh \"WINDOW TITLE\" OUT.png" >&2; exit 2; }
title=$1 out=$2
bench_load_session screenshot
id=$(bench_find_window "$title" "${TX_SCREENSHOT_WAIT:-15}") ||
    bench_die "screenshot: no window titled \"$title\" on $DISPLAY"
geometry=$(timeout 10 xdotool getwindowgeometry --shell "$id") ||
    bench_die "screenshot: cannot read the geometry of window $id"
eval "$geometry"
# A window that has just appeared may not be painted yet: pictures are taken until two in a
# row show the same pixels (at most TX_SCREENSHOT_TRIES, default 30, 0.2 s apart).
previous=""
for _ in $(seq 1 "${TX_SCREENSHOT_TRIES:-30}"); do
    timeout 30 import -display "$DISPLAY" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out" ||
        bench_die "screenshot: taking the picture failed"
    current=$(identify -format '%#' "$out") || bench_die "screenshot: unreadable picture $out"
    [ "$current" != "$previous" ] || break
    previous=$current
    sleep 0.2
done
echo "$out"
