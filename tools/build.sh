#!/usr/bin/env bash
# Configures (when needed) and builds every tree: win64 (driver, setup), win32 (applet,
# Win32 tests), host (unit tests) and asan (host with ASan+UBSan, fuzzers).
# Usage: tools/build.sh [preset ...]     (default: all four, in that order)
# TX_BUILD_DIR puts the trees somewhere else than build/ (one folder per preset below it).
set -euo pipefail
cd "$(dirname "$0")/.."
root=${TX_BUILD_DIR:-$PWD/build}
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(win64 win32 host asan)
for p in "${presets[@]}"; do
  dir="$root/$p"
  if [ ! -f "$dir/build.ninja" ]; then
    mkdir -p "$dir"
    cmake --preset "$p" -B "$dir" -DTX_WIN64_DIR="$root/win64" >"$dir/configure.log" 2>&1 || {
      cat "$dir/configure.log" >&2; echo "build: configuring $p failed" >&2; exit 1; }
  fi
  cmake --build "$dir" -j "$(nproc)" || { echo "build: building $p failed" >&2; exit 1; }
done
