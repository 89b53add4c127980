#!/usr/bin/env bash
# Installs the build and test dependencies on a Debian machine, idempotently.
# Costs a few seconds when everything is already present.
set -euo pipefail

packages=(
  cmake g++ make gfortran clang libclang-rt-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  gfortran-mingw-w64-i686-posix gfortran-mingw-w64-x86-64-posix
  wine wine32:i386 wine64 xvfb xauth fp-utils python3
  fonts-wine fonts-liberation
  nsis curl
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
elif [ "${need_update:-0}" = 1 ]; then
  $SUDO apt-get update -qq
fi

# Google Benchmark's source for the Windows cross builds.
"$(dirname "$0")/fetch-benchmark.sh"
