#!/usr/bin/env bash
# Sets up, builds and runs the main job: the Velmora Wizard under Wine on
# this display. Without a display it says so and shows genhand instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/setup.sh

# The product is 32-bit; machines that cannot run 32-bit code use win64.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  tree=win32 loader=/usr/lib/wine/wine
else
  tree=win64 loader=/usr/lib/wine/wine64
fi
# Only what is about to run is built: no tests, no GoogleTest.
if [ -z "${DISPLAY:-}" ]; then
  ./scripts/build.sh --app-only --target genhand native
  echo "run.sh: there is no display (DISPLAY is not set), so the wizard cannot be shown."
  echo "The same generator is on the command line: build/native/genhand --help. For example:"
  echo "  build/native/genhand --comments --use --implicit-none --indent 3 --lf ACTIVATE"
  echo
  exec ./build/native/genhand --comments --use --implicit-none --indent 3 --lf ACTIVATE
fi
# A new Wine prefix takes a while to make: it is made during the build.
./scripts/wine-prefix.sh &
prefix=$!
./scripts/build.sh --app-only --target Genhand "$tree"
wait "$prefix"
exec ./scripts/wine-run.sh "$loader" "build/$tree/Genhand.exe"
