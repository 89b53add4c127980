#!/usr/bin/env bash
# Runs the generator's libFuzzer target for a bounded time (seconds, default 60).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
exe="$root/build/fuzz/fuzz/generator_fuzz"
[ -x "$exe" ] || "$root/scripts/build.sh" fuzz
corpus="$root/build/fuzz/corpus"
mkdir -p "$corpus"
"$exe" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
  -artifact_prefix="$root/build/fuzz/" "$corpus" 2>&1 | tail -n 25
