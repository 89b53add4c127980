#!/usr/bin/env bash
# Sets up, builds and packages the wizard for Windows: an installer and a
# portable zip of the same files, in build/<tree>/packages:
#   Genhand-<version>-win32.exe   NSIS installer (the product, 32-bit)
#   Genhand-<version>-win32.zip   Genhand.exe, Velmora.chm, cli/genhand.exe
# Usage: package.sh [TREE...]   (default: win32; win64 gives the same for
# 64-bit Windows, with a 64-bit installer)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[ $# -gt 0 ] || set -- win32
./scripts/setup.sh
for tree in "$@"; do
  case "$tree" in
    win32|win64) ;;
    *) echo "package.sh: only the Windows trees (win32, win64) are packaged" >&2; exit 2 ;;
  esac
  ./scripts/build.sh --app-only --target Genhand --target genhand "$tree"
  (cd "build/$tree" && cpack -G "NSIS;ZIP")
  ls -l "build/$tree"/packages/Genhand-*
done
