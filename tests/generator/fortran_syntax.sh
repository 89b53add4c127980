#!/usr/bin/env bash
# Compiles the routines of all 64 catalogue entries with gfortran -fsyntax-only,
# each inside a module that uses the library's stub modules.
# Usage: fortran_syntax.sh GENHAND GFORTRAN STUB.f90 WORKDIR
set -euo pipefail
genhand=$1 gfortran=$2 stub=$3 work=$4
mkdir -p "$work"
cd "$work"
cp "$stub" velmora_stub.f90
"$gfortran" -c -fsyntax-only velmora_stub.f90

option_sets=(
  "--comments --use --implicit-none --indent 3 --separator = --keywords upper"
  "--keywords lower --indent 6 --separator * --implicit-none --window Dlg"
  "--keywords none --comments --separator none --window W_0123456789012345678901234567"
)
failures=0
for set_index in "${!option_sets[@]}"; do
  read -r -a opts <<<"${option_sets[$set_index]}"
  file=handlers_$set_index.f90
  : >"$file"
  for n in $(seq 1 64); do
    {
      printf 'module handler_%s_%s\n  use Velmora\n  use VMLOGM\n  implicit none\ncontains\n' "$set_index" "$n"
      "$genhand" "${opts[@]}" --id IDC_SOME_ID --routine --entry "$n"
      printf '\nend module handler_%s_%s\n' "$set_index" "$n"
    } >>"$file"
  done
  if ! "$gfortran" -fsyntax-only -I. "$file"; then
    echo "generated Fortran does not compile with options: ${option_sets[$set_index]}" >&2
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "all 64 routines compile under ${#option_sets[@]} option sets"
