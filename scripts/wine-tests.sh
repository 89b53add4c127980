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

./scripts/wine-prefix.sh
export WINEPREFIX="$root/build/wine" WINEDEBUG=-all
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -e
  /usr/lib/wine/wineserver -p
  trap "/usr/lib/wine/wineserver -k || true" EXIT
  # Start the prefix'"'"'s services and desktop now, detached from any output:
  # started by the first test, they would inherit its output pipe and keep
  # CTest waiting for it to close.
  /usr/lib/wine/wine64 cmd.exe /c exit </dev/null >/dev/null 2>&1
  n=$1; shift
  args=("${@:1:$n}"); shift "$n"
  for t in "$@"; do
    echo "== ctest build/$t"
    ctest --test-dir "build/$t" "${args[@]}"
  done
' wine-tests "${#ctest_args[@]}" "${ctest_args[@]}" "${trees[@]}"
