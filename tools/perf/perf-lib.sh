# Helpers shared by the benchmark scripts in tools/perf (sourced, not run).
perf_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
perf_repo=$(dirname "$(dirname "$perf_here")")

# perf_root [BUILD_ROOT]: sets root to the build root (default ${TX_BUILD_DIR:-<repo>/build}).
perf_root() {
    root=$(realpath -m "${1:-${TX_BUILD_DIR:-$perf_repo/build}}")
}

# perf_need WHO FILE...: stops with one line when a program is not built.
perf_need() {
    local who=$1 file
    shift
    for file in "$@"; do
        [ -f "$file" ] || { echo "$who: $file is not built (tools/build.sh win64 win32)" >&2; exit 2; }
    done
}

# The Windows path of a file below / (the prefix maps drive Z: to the root).
perf_winpath() {
    local path=${1//\//\\}
    printf 'Z:%s' "$path"
}
