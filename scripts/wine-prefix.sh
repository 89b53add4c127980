#!/usr/bin/env bash
# Creates the project's Wine prefix once (build/wine) and tunes it for
# headless test runs. Idempotent.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wine}
export WINEDEBUG=-all
export WINEDLLOVERRIDES=mscoree,mshtml=
if [ -f "$WINEPREFIX/.genhand-ready" ]; then exit 0; fi
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w || true
# Without a window manager every process that showed a window waits about
# two seconds on exit; an unmanaged X11 driver does not.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w || true
touch "$WINEPREFIX/.genhand-ready"
