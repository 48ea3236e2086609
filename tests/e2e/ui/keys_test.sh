#!/usr/bin/env bash
# Real keys, through the X server, on the real applet: the tab order, the arrow keys on the
# slider with the buffer size line following at once, Enter running OK and Esc running Cancel.
# Every run must close each device link it opened.
#   keys_test.sh APPLET.exe SETTINGS_PROBE.exe      (inside a bench session)
set -uo pipefail
tools=$(cd "$(dirname "$0")/../../../tools" && pwd)
source "$tools/bench-lib.sh"
bench_load_session keys_test
applet=$1 probe_exe=$2
log=$(mktemp)
pid=""

fail() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null
    cat "$log" >&2
    rm -f "$log"
    bench_die "keys_test: $*"
}
probe() { "$tools/wine-run" "$probe_exe" "$@" 2>>"$log" | tr -d '\r'; }
state() { probe window; }
# waits until the window state line matches the extended regular expression
expect_state() {
    pattern=$1
    bench_wait 10 eval '[[ "$(state)" =~ $pattern ]]' || fail "expected /$1/, the window shows: $(state)"
}
expect_counters() {
    local got
    got=$(probe counters)
    [[ "$got" =~ $1 ]] || fail "expected driver counters /$1/, got: $got"
    [[ "$got" =~ opens=([0-9]+)\ closes=([0-9]+) ]] && [ "${BASH_REMATCH[1]}" = "${BASH_REMATCH[2]}" ] ||
        fail "the applet left device links open: $got"
}
start_applet() {
    probe reset || fail "the simulated driver does not answer"
    "$tools/wine-run" "$applet" >>"$log" 2>&1 &
    pid=$!
    window=$(bench_find_window "$title" 30) || fail "no window titled \"$title\""
    timeout 10 xdotool windowfocus --sync "$window" || fail "cannot focus the window"
    expect_state "^focus=1013 "
}
key() { timeout 10 xdotool key "$1" || fail "xdotool could not press $1"; }
wait_exit() {
    bench_wait 20 eval '! kill -0 $pid 2>/dev/null' || fail "the applet did not end after $1"
    pid=""
}

title=$(probe title)
[ -n "$title" ] || fail "no title"

# Tab order: slider, the three check boxes, README, OK, Cancel; Apply is disabled and skipped.
start_applet
for id in 1028 1003 1000 1035 1 2 1013; do
    key Tab
    expect_state "^focus=$id "
done
key Right
expect_state "^focus=1013 pos=6 apply=1 size=ASIO Buffer Size:  480 samples$"
key Return
wait_exit Enter
expect_counters "^writes=1 level=6 "

start_applet
key Left
key Left
expect_state "^focus=1013 pos=3 apply=1 size=ASIO Buffer Size:  160 samples$"
key Escape
wait_exit Escape
expect_counters "^writes=0 level=5 "

rm -f "$log"
echo "keys_test: tab order, arrows, Enter and Esc as expected"
