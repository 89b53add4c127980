#!/usr/bin/env bash
# Configures and builds one or more of the build trees.
# Usage: build.sh [native|asan|win32|win64|fuzz]...   (default: native)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${GENHAND_JOBS:-$(nproc)}
[ $# -gt 0 ] || set -- native
for tree in "$@"; do
  dir="$root/build/$tree"
  case "$tree" in
    native) args=() ;;
    asan)   args=(-DGENHAND_SANITIZE=ON -DGENHAND_BENCH=OFF) ;;
    fuzz)   args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DGENHAND_FUZZ=ON -DGENHAND_BENCH=OFF) ;;
    win32)  args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake") ;;
    win64)  args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake") ;;
    *) echo "build.sh: unknown build tree '$tree'" >&2; exit 2 ;;
  esac
  cmake -S "$root" -B "$dir" "${args[@]}" >/dev/null
  if [ "$tree" = fuzz ]; then
    cmake --build "$dir" -j "$jobs" --target generator_fuzz
  else
    cmake --build "$dir" -j "$jobs"
  fi
done
