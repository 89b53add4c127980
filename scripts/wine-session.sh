#!/usr/bin/env bash
# Runs a command in one virtual display with one persistent wineserver and
# the project's Wine prefix, for the Windows tests and benchmarks.
# Usage: wine-session.sh COMMAND [ARGS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/wine-prefix.sh
export WINEPREFIX="$root/build/wine" WINEDEBUG=-all
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -e
  /usr/lib/wine/wineserver -p
  trap "/usr/lib/wine/wineserver -k || true" EXIT
  # Start the prefix'"'"'s services and desktop now, detached from any output:
  # started by the first program, they would inherit its output pipe and
  # keep a caller (CTest) waiting for it to close.
  /usr/lib/wine/wine64 cmd.exe /c exit </dev/null >/dev/null 2>&1
  "$@"
' wine-session "$@"
