#!/usr/bin/env bash
# Runs the Windows test suites of one or more build trees under Wine, in one
# virtual display with one persistent wineserver.
# Usage: wine-tests.sh [--repeat N] [-R REGEX] TREE...
#   --repeat N   run every test up to N times, stopping at its first failure
#   -R REGEX     only the tests whose name matches (ctest -R)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
ctest_args=(--output-on-failure)
trees=()
while [ $# -gt 0 ]; do
  case "$1" in
    --repeat) ctest_args+=(--repeat "until-fail:$2"); shift 2 ;;
    -R) ctest_args+=(-R "$2"); shift 2 ;;
    *) trees+=("$1"); shift ;;
  esac
done
[ "${#trees[@]}" -gt 0 ] || { echo "usage: wine-tests.sh [--repeat N] [-R REGEX] TREE..." >&2; exit 2; }

./scripts/wine-session.sh bash -c '
  n=$1; shift
  args=("${@:1:$n}"); shift "$n"
  for t in "$@"; do
    echo "== ctest build/$t"
    ctest --test-dir "build/$t" "${args[@]}"
  done
' run-ctest "${#ctest_args[@]}" "${ctest_args[@]}" "${trees[@]}"
