#!/usr/bin/env bash
# Configures (when needed) and builds every tree: win64 (driver, setup), win32 (applet,
# Win32 tests), host (unit tests) and asan (host with ASan+UBSan, fuzzers).
# Usage: tools/build.sh [preset ...]     (default: all four, in that order)
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(win64 win32 host asan)
jobs=$(nproc)
for p in "${presets[@]}"; do
  if [ ! -f "build/$p/build.ninja" ]; then
    cmake --preset "$p" >"build-$p.configure.log" 2>&1 || {
      cat "build-$p.configure.log" >&2; echo "build: configuring $p failed" >&2; rm -f "build-$p.configure.log"; exit 1; }
    rm -f "build-$p.configure.log"
  fi
  cmake --build --preset "$p" -j "$jobs" || { echo "build: building $p failed" >&2; exit 1; }
done
