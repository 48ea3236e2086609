#!/usr/bin/env bash
# Runs every test: installs what is missing, builds all trees, runs the host and ASan/UBSan
# unit tests natively and the Win32 tests under Wine in one bench session, and ends with the
# line "N passed, N failed".
#   tools/test.sh               everything
#   tools/test.sh -R REGEX      only the tests whose ctest name matches REGEX, in every tree
#                               (e.g. tools/test.sh -R bench_session.de_DE)
# TX_BUILD_DIR puts the trees somewhere else than build/.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(realpath -m "${TX_BUILD_DIR:-$PWD/build}")
export TX_BUILD_DIR=$root

filter=()
while [ $# -gt 0 ]; do
    case "$1" in
    -R) [ $# -ge 2 ] || { echo "test: -R needs a regular expression" >&2; exit 2; }
        filter=(-R "$2"); shift 2 ;;
    *) echo "test: usage: tools/test.sh [-R REGEX]" >&2; exit 2 ;;
    esac
done

passed=0 failed=0 broken=0

finish() {
    echo "$passed passed, $failed failed"
    [ "$broken" -eq 0 ] && [ "$failed" -eq 0 ]
    exit
}

# Adds the counts of one ctest run (read from its log) to the totals.
count() {
    local name=$1 rc=$2 log=$3 line total bad
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -n "$line" ]; then
        bad=$(sed -E 's/.*tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
        total=$(sed -E 's/.*failed out of ([0-9]+).*/\1/' <<<"$line")
        passed=$((passed + total - bad))
        failed=$((failed + bad))
        [ "$rc" -eq 0 ] || [ "$bad" -gt 0 ] || { echo "test: $name tests ended with code $rc" >&2; broken=1; }
    elif grep -q 'No tests were found' "$log"; then
        [ "$rc" -eq 0 ] || { echo "test: $name tests ended with code $rc" >&2; broken=1; }
    else
        echo "test: the $name tests did not run to the end (code $rc)" >&2
        broken=1
    fi
}

# run_ctest NAME [RUNNER...]: ctest over the tree NAME, through RUNNER when given.
run_ctest() {
    local name=$1 log=$root/$1/ctest.log rc
    shift
    echo "=== $name tests" >&2
    rm -f "$log"
    "$@" ctest --test-dir "$root/$name" --output-on-failure -O "$log" "${filter[@]}" -j "$jobs"
    rc=$?
    [ -f "$log" ] || : >"$log"
    count "$name" "$rc" "$log"
}

tools/setup-deps.sh || { echo "test: installing the packages failed" >&2; broken=1; finish; }
tools/build.sh || { echo "test: the build failed" >&2; broken=1; finish; }

jobs=$(nproc)
run_ctest host
run_ctest asan
# The Win32 tests share one Wine session, its desktop and its windows: one at a time.
jobs=1
run_ctest win32 tools/bench run "$root" --
finish
