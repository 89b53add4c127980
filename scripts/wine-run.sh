#!/usr/bin/env bash
# Runs a Windows executable under Wine with the project's own prefix.
# Usage: wine-run.sh LOADER PROGRAM.exe [ARGS...]
# LOADER is /usr/lib/wine/wine (32-bit) or /usr/lib/wine/wine64 (64-bit).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
loader=$1; shift
export WINEPREFIX=${WINEPREFIX:-$root/build/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$root/scripts/wine-prefix.sh" >&2
fi
exec "$loader" "$@"
