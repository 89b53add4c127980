#!/usr/bin/env bash
# Sets up, builds and runs every test on every target:
#   native (host g++), native under AddressSanitizer + UBSan, the generator
#   fuzzer for a bounded time, and the Windows builds under Wine in a virtual
#   display (win64 always; win32 where this machine can run 32-bit code).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
fuzz_seconds=${GENHAND_FUZZ_SECONDS:-60}

./scripts/setup.sh
./scripts/build.sh native asan win32 win64 fuzz

echo "== native tests"
ctest --test-dir build/native --output-on-failure
echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --test-dir build/asan --output-on-failure

echo "== generator fuzzer, ${fuzz_seconds}s"
./scripts/fuzz.sh "$fuzz_seconds"

echo "== Windows tests under Wine"
./scripts/wine-prefix.sh
export WINEPREFIX="$root/build/wine" WINEDEBUG=-all
trees=(win64)
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  trees+=(win32)
else
  echo "note: this machine cannot execute 32-bit programs, so wine32 cannot run;"
  echo "      build/win32 is built but its tests run only where 32-bit Wine works."
fi
# One virtual display and one persistent wineserver for the whole run.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -e
  /usr/lib/wine/wineserver -p
  trap "/usr/lib/wine/wineserver -k || true" EXIT
  # Start the prefix'"'"'s services and desktop now, detached from any output:
  # started by the first test, they would inherit its output pipe and keep
  # CTest waiting for it to close.
  /usr/lib/wine/wine64 cmd.exe /c exit </dev/null >/dev/null 2>&1
  for t in "$@"; do
    echo "== ctest build/$t"
    ctest --test-dir "build/$t" --output-on-failure
  done
' wine-tests "${trees[@]}"

# The end-to-end test photographs the running wizard.
shot=build/win64/tests/wizard/wizard.bmp
if [ -f "$shot" ]; then
  python3 scripts/bmp2png.py "$shot" build/win64/wizard.png
fi
