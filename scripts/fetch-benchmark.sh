#!/usr/bin/env bash
# Fetches Google Benchmark's source (Debian's orig tarball, checked against
# its SHA-256) into build/_deps, outside the git tree, for the Windows cross
# builds: Debian packages the library only for the host. Idempotent.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=1.7.1
sha256=6430e4092653380d9dc4ccb45a1e2dc9259d581f4866dc0759713126056bc1d7
url=http://deb.debian.org/debian/pool/main/b/benchmark/benchmark_${version}.orig.tar.gz
deps="$root/build/_deps"
dir="$deps/benchmark-$version"
[ -f "$dir/CMakeLists.txt" ] && exit 0

mkdir -p "$deps"
tarball="$deps/benchmark_${version}.orig.tar.gz"
if [ ! -f "$tarball" ] || ! echo "$sha256  $tarball" | sha256sum -c --quiet - 2>/dev/null; then
  echo "setup: fetching Google Benchmark $version source"
  curl -fsSL --retry 3 -o "$tarball.part" "$url"
  mv "$tarball.part" "$tarball"
fi
if ! echo "$sha256  $tarball" | sha256sum -c --quiet -; then
  echo "setup: $tarball does not have the expected SHA-256" >&2
  rm -f "$tarball"
  exit 1
fi
rm -rf "$dir.part"
mkdir -p "$dir.part"
tar -xzf "$tarball" -C "$dir.part" --strip-components=1
mv "$dir.part" "$dir"
