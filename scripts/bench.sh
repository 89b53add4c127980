#!/usr/bin/env bash
# Runs every benchmark (bench/*_bench) of one or more build trees and prints
# the results. Timings are printed, never judged: a benchmark fails the run
# only when it cannot run at all.
# Usage: bench.sh [--min-time SECONDS] TREE...   (default: native win64)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
min_time=0.5
if [ "${1:-}" = --min-time ]; then min_time=$2; shift 2; fi
[ $# -gt 0 ] || set -- native win64

windows=()
for tree in "$@"; do
  case "$tree" in
    win32|win64) windows+=("$tree") ;;
    *)
      for exe in build/"$tree"/bench/*_bench; do
        [ -x "$exe" ] || continue
        echo "== $exe"
        "$exe" --benchmark_min_time="$min_time"
      done ;;
  esac
done
[ "${#windows[@]}" -gt 0 ] || exit 0

./scripts/wine-session.sh bash -c '
  min_time=$1; shift
  for tree in "$@"; do
    loader=/usr/lib/wine/wine64
    [ "$tree" = win32 ] && loader=/usr/lib/wine/wine
    for exe in build/"$tree"/bench/*_bench.exe; do
      [ -f "$exe" ] || continue
      echo "== $exe"
      "$loader" "$exe" --benchmark_min_time="$min_time" </dev/null
    done
  done
' run-benchmarks "$min_time" "${windows[@]}"
