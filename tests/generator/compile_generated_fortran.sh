#!/usr/bin/env bash
# Compiles the routines of all 64 catalogue entries, each inside a module
# with its registration statement, against the library's real Fortran
# modules Velmora and VMLOGM, under several contrasting option sets.
# Usage: compile_generated_fortran.sh GENHAND GFORTRAN FORTRAN_SOURCE_DIR WORKDIR
set -euo pipefail
genhand=$1 gfortran=$2 modules=$3 work=$4
mkdir -p "$work"
cd "$work"
"$gfortran" -c -Wall "$modules/velmora.f90" "$modules/vmlogm.f90"

option_sets=(
  "--comments --use --implicit-none --indent 3 --separator = --keywords upper"
  "--keywords lower --indent 6 --separator * --implicit-none --window Dlg"
  "--keywords none --comments --separator none --window W_0123456789012345678901234567"
  "--use --indent 1 --separator - --keywords upper --window vw_main"
)
failures=0
for set_index in "${!option_sets[@]}"; do
  read -r -a opts <<<"${option_sets[$set_index]}"
  window=VW_FRAME
  for i in "${!opts[@]}"; do [ "${opts[$i]}" = --window ] && window=${opts[$((i + 1))]}; done
  # The statement's window record: the library's frame, or a record of the
  # program's own.
  record="type(V_WINDOW) :: $window"
  [ "$window" = VW_FRAME ] && record=""
  file=handlers_$set_index.f90
  : >"$file"
  for n in $(seq 1 64); do
    {
      printf 'module handler_%s_%s\n  use Velmora\n  use VMLOGM\n  implicit none\ncontains\n' "$set_index" "$n"
      "$genhand" "${opts[@]}" --id IDC_SOME_ID --routine --entry "$n"
      printf '\nsubroutine register_%s\n  logical :: bSt\n  integer, parameter :: IDC_SOME_ID = 1001\n  %s\n' "$n" "$record"
      "$genhand" "${opts[@]}" --id IDC_SOME_ID --statement --entry "$n"
      printf '\nend subroutine register_%s\nend module handler_%s_%s\n' "$n" "$set_index" "$n"
    } >>"$file"
  done
  if ! "$gfortran" -c -I. "$file" -o "handlers_$set_index.o"; then
    echo "generated Fortran does not compile with options: ${option_sets[$set_index]}" >&2
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "all 64 routines compile against Velmora and VMLOGM under ${#option_sets[@]} option sets"
