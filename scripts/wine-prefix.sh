#!/usr/bin/env bash
# Creates the project's Wine prefix once (build/wine) and tunes it for
# headless test runs. Idempotent.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wine}
export WINEDEBUG=-all
export WINEDLLOVERRIDES=mscoree,mshtml=
# Raised whenever the tuning below changes, so that older prefixes get it.
version=2
if [ "$(cat "$WINEPREFIX/.genhand-ready" 2>/dev/null)" = "$version" ]; then exit 0; fi
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w || true
# Wine's own fonts (Debian's fonts-wine: MS Sans Serif with the Windows
# metrics the dialog templates are laid out for, Marlett for the caption
# buttons, Tahoma). Debian's Wine 8 looks for them at a path it cannot
# resolve ("<data dir>/../fonts"), so the prefix's Fonts folder links them.
for font in /usr/share/wine/fonts/*; do
  [ -e "$font" ] && ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
done
# Without a window manager every process that showed a window waits about
# two seconds on exit; an unmanaged X11 driver does not.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
# The result boxes ask for "Courier New"; Liberation Mono (fonts-liberation)
# has its metrics and is fixed-pitch, where Wine would otherwise pick a
# proportional face.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ /d 'Liberation Mono' /f >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w || true
echo "$version" >"$WINEPREFIX/.genhand-ready"
