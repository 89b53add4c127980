#!/usr/bin/env bash
# Configures and builds one or more of the build trees: every target, or
# only those named with --target (and what they need). --app-only leaves
# the tests, GoogleTest and the benchmarks out of the trees' configuration.
# Usage: build.sh [--app-only] [--target NAME]... [native|asan|win32|win64|fuzz]...   (default: native)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${GENHAND_JOBS:-$(nproc)}
targets=()
trees=()
parts=(-DGENHAND_TESTS=ON -DGENHAND_BENCH=ON)
while [ $# -gt 0 ]; do
  case "$1" in
    --app-only) parts=(-DGENHAND_TESTS=OFF -DGENHAND_BENCH=OFF); shift ;;
    --target) targets+=(--target "$2"); shift 2 ;;
    *) trees+=("$1"); shift ;;
  esac
done
[ "${#trees[@]}" -gt 0 ] || trees=(native)
for tree in "${trees[@]}"; do
  dir="$root/build/$tree"
  case "$tree" in
    native) args=("${parts[@]}") ;;
    asan)   args=(-DGENHAND_SANITIZE=ON "${parts[0]}" -DGENHAND_BENCH=OFF) ;;
    fuzz)   args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DGENHAND_FUZZ=ON "${parts[0]}" -DGENHAND_BENCH=OFF) ;;
    win32)  args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake" "${parts[@]}") ;;
    win64)  args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake" "${parts[@]}") ;;
    *) echo "build.sh: unknown build tree '$tree'" >&2; exit 2 ;;
  esac
  cmake -S "$root" -B "$dir" "${args[@]}" >/dev/null
  if [ "${#targets[@]}" -gt 0 ]; then
    cmake --build "$dir" -j "$jobs" "${targets[@]}"
  elif [ "$tree" = fuzz ]; then
    cmake --build "$dir" -j "$jobs" --target generator_fuzz
  else
    cmake --build "$dir" -j "$jobs"
  fi
done
