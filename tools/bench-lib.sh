# Helpers shared by the bench scripts (sourced, not run).

# Prints one line saying what broke and exits non-zero.
bench_die() {
    echo "$*" >&2
    exit 1
}

# bench_wait SECONDS COMMAND...: polls COMMAND every 0.1 s until it succeeds or time is up.
bench_wait() {
    local limit=$(($1 * 10)) i=0
    shift
    until "$@"; do
        i=$((i + 1))
        [ "$i" -lt "$limit" ] || return 1
        sleep 0.1
    done
}

# True when PID runs a program whose command line contains NAME (guards against reused pids).
bench_pid_is() {
    local pid=$1 name=$2
    [ -n "$pid" ] && { tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null | grep -q -- "$name"
}

# Loads the session file named by TX_BENCH_SESSION into the environment; WHO names the caller
# in the error line.
bench_load_session() {
    local who=$1
    if [ -z "${TX_BENCH_SESSION:-}" ] || [ ! -r "$TX_BENCH_SESSION" ]; then
        echo "$who: no bench session (run inside 'tools/bench run -- ...', or eval \"\$(tools/bench start)\" first)" >&2
        exit 2
    fi
    # shellcheck disable=SC1090
    source "$TX_BENCH_SESSION"
    export WINEPREFIX DISPLAY LOCPATH WINEDEBUG WINEDLLOVERRIDES
    [ -z "${TX_WINEDEBUG:-}" ] || export WINEDEBUG=$TX_WINEDEBUG
}

# Escapes TEXT for use as a literal inside an extended regular expression.
bench_regex_literal() {
    printf '%s' "$1" | sed 's/[][\.*^$+?(){}|/]/\\&/g'
}

# bench_find_window TITLE SECONDS: prints the id of the first visible window titled exactly
# TITLE on $DISPLAY, waiting up to SECONDS for it.
bench_find_window() {
    local pattern="^$(bench_regex_literal "$1")\$" limit=$(($2 * 10)) i=0 id
    while :; do
        id=$(timeout 5 xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1)
        [ -z "$id" ] || { echo "$id"; return 0; }
        i=$((i + 1))
        [ "$i" -lt "$limit" ] || return 1
        sleep 0.1
    done
}
