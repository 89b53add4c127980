#!/usr/bin/env bash
# Sets up, builds and runs every test on every target:
#   native (host g++), native under AddressSanitizer + UBSan, the generator
#   fuzzer for a bounded time, and the Windows builds under Wine in a virtual
#   display (win64 always; win32 where this machine can run 32-bit code).
# Usage: test.sh [--repeat N]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
fuzz_seconds=${GENHAND_FUZZ_SECONDS:-60}
# --repeat N runs every Windows test up to N times, stopping at a failure.
repeat_args=()
if [ "${1:-}" = --repeat ]; then
  repeat_args=(--repeat "${2:?--repeat needs a count}")
fi

./scripts/setup.sh
for tree in native asan win32 win64 fuzz; do
  echo "== build $tree (at ${SECONDS}s)"
  ./scripts/build.sh "$tree"
done

echo "== native tests (at ${SECONDS}s)"
ctest --test-dir build/native --output-on-failure
echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --test-dir build/asan --output-on-failure

echo "== generator fuzzer, ${fuzz_seconds}s (at ${SECONDS}s)"
./scripts/fuzz.sh "$fuzz_seconds"

echo "== Windows tests under Wine (at ${SECONDS}s)"
trees=(win64)
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  trees+=(win32)
else
  echo "note: this machine cannot execute 32-bit programs, so wine32 cannot run;"
  echo "      build/win32 is built but its tests run only where 32-bit Wine works."
fi
./scripts/wine-tests.sh "${repeat_args[@]}" "${trees[@]}"

echo "== benchmarks, printed, not judged (at ${SECONDS}s)"
./scripts/bench.sh --min-time 0.1 native "${trees[@]}"

# The end-to-end tests photograph the running wizard and the sample.
for shot in build/win64/tests/wizard/wizard.bmp build/win64/tests/examples/sketch.bmp; do
  if [ -f "$shot" ]; then
    name=$(basename "$shot" .bmp)
    python3 scripts/bmp2png.py "$shot" "build/win64/$name.png"
  fi
done
echo "== done (at ${SECONDS}s)"
