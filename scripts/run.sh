#!/usr/bin/env bash
# Sets up, builds and runs the main job: genhand writes an example handler.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/setup.sh
./scripts/build.sh native
./build/native/genhand --comments --use --implicit-none --indent 3 --lf ACTIVATE
