#!/usr/bin/env bash
# Pictures of the two dialog templates with the texts of each given language put in, for
# looking at the translations (glyphs, clipping). Runs inside a bench session:
#   tools/bench run [BUILD_ROOT] -- tests/win/resources/shoot_templates.sh WIN32_TREE OUT_DIR [LOCALE...]
# Default locales: de_DE ja_JP. Writes OUT_DIR/settings-<locale>.png and nodevice-<locale>.png.
set -uo pipefail
repo=$(cd "$(dirname "$0")/../../.." && pwd)
source "$repo/tools/bench-lib.sh"
bench_load_session shoot_templates

[ $# -ge 2 ] || bench_die "shoot_templates: usage: shoot_templates.sh WIN32_TREE OUT_DIR [LOCALE...]"
exe=$1/tests/win/resources/show_template.exe out=$2
shift 2
locales=("$@")
[ ${#locales[@]} -gt 0 ] || locales=(de_DE ja_JP)
[ -f "$exe" ] || bench_die "shoot_templates: $exe is not built"
mkdir -p "$out" || bench_die "shoot_templates: cannot write $out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shoot LOCALE KIND: shows the template, waits for the title it prints, takes the picture and
# ends the program through its stop file (seen by Wine on drive Z:).
shoot() {
    local loc=$1 kind=$2 log=$work/$1-$2.out stop=$work/$1-$2.stop title="" pid rc=0
    TX_LOCALE=$loc TX_WINE_TIMEOUT=90 "$repo/tools/wine-run" "$exe" "$kind" "Z:${stop//\//\\}" \
        >"$log" 2>&1 </dev/null &
    pid=$!
    bench_wait 30 sh -c "head -n 1 '$log' | grep -q . || ! kill -0 $pid 2>/dev/null"
    title=$(head -n 1 "$log" | tr -d '\r')
    if [ -z "$title" ]; then
        echo "shoot_templates: $kind ($loc) showed no window: $(tr -d '\r' <"$log")" >&2
        rc=1
    else
        "$repo/tools/screenshot.sh" "$title" "$out/$kind-$loc.png" >/dev/null || rc=1
    fi
    touch "$stop"
    wait "$pid"
    return $rc
}

status=0
for loc in "${locales[@]}"; do
    for kind in settings nodevice; do
        shoot "$loc" "$kind" && echo "$out/$kind-$loc.png" || status=1
    done
done
exit $status
