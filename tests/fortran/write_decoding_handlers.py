#!/usr/bin/env python3
"""Writes decoding_handlers.f90: the handler genhand writes for each of the
60 window messages and for <Other>, each with a body that notes what it
received (Recorder), and the registration statements genhand writes.

Usage: write_decoding_handlers.py GENHAND > decoding_handlers.f90

The file is kept in the repository; scripts/check-generated.py checks that
its declarations and statements are still exactly genhand's.
"""
import re
import subprocess
import sys

WINDOW = "W"
OPTIONS = ["--window", WINDOW, "--use", "--implicit-none"]
OTHER_ID = "WM_APP"  # the <Other> handler serves a private message
# Integer arguments that must lie in the message's own structure.
IN_PLACE = {"WINDOWPOSCHANGING": {"iX", "iY", "iWidth", "iHeight", "nFlags"},
            "WINDOWPOSCHANGED": {"iX", "iY", "iWidth", "iHeight", "nFlags"},
            "HELP": {"ID"}}
HEADER = re.compile(r"^(LOGICAL|INTEGER) FUNCTION (\w+)\((.*)\)")
DECLARATION = re.compile(r"^(TYPE\(\w+\)|INTEGER|LOGICAL|CHARACTER\(\*\))(, INTENT\((\w+)\))?::\s*(.*)$")


def genhand(program, *args):
    run = subprocess.run([program, "--lf", "--separator", "none", *OPTIONS, *args],
                         capture_output=True, text=True, check=True)
    return [line.rstrip() for line in run.stdout.splitlines()]


def entries(program):
    listing = subprocess.run([program, "--list"], capture_output=True, text=True, check=True)
    names = [line.split("\t")[1] for line in listing.stdout.splitlines()]
    return [name for name in names if not name.startswith("<")] + ["<Other>"]


def instrumented(program, name):
    args = ["--id", OTHER_ID, name] if name == "<Other>" else [name]
    routine = genhand(program, "--routine", *args)
    routine[0] = routine[0].lstrip()  # the separator "none" is one blank
    header = HEADER.match(routine[0])
    kind, function, arguments = header.group(1), header.group(2), header.group(3)
    declared = {}
    last_declaration = 0
    for i, line in enumerate(routine):
        match = DECLARATION.match(line)
        if match:
            last_declaration = i
            for argument in match.group(4).split("(")[0].split(","):
                declared[argument.strip()] = (match.group(1), match.group(3))
    message = "Msg" if name == "<Other>" else "WM_" + name
    body = [f"CALL NoteCall({message})"]
    for argument in (a.strip() for a in arguments.split(",")):
        body.append(f"CALL Note({argument})")
        if argument in IN_PLACE.get(name, ()):
            body.append(f"CALL NoteAddress(LOC({argument}))")
    for argument, (type_, intent) in declared.items():
        if type_ == "TYPE(V_POINT)" and intent == "INOUT":
            body.append(f"CALL Change({argument})")
    result = "NextInteger()" if kind == "INTEGER" else "NextLogical()"
    # The generated lines stay as they are; the body replaces the result line.
    out = ["", f"! genhand: {' '.join(OPTIONS + args)}"]
    for i, line in enumerate(routine):
        if re.match(rf"^\s*{function}\s*=", line, re.IGNORECASE):  # Fortran ignores case
            continue
        out.append(line)
        if line.strip().upper() == "USE VELMORA":
            out.append("USE Recorder")
        if i == last_declaration:
            out += body + [f"{function} = {result}"]
    statement = genhand(program, "--statement", *args)
    return out, statement


def main(program):
    routines, statements = [], []
    for name in entries(program):
        routine, statement = instrumented(program, name)
        routines += routine
        statements += statement
    print("! The handlers of the Fortran decoding test: what genhand writes for each")
    print("! window message and for <Other>, with bodies that note what they receive.")
    print("! Written by write_decoding_handlers.py; checked by scripts/check-generated.py.")
    print("module DecodingHandlers")
    print("  use, intrinsic :: iso_c_binding, only: c_int32_t")
    print("  use Velmora")
    print("  implicit none")
    print("  ! The test window's record, owned here as a program owns its records.")
    print(f"  type(V_WINDOW), bind(c, name='fortran_test_window') :: {WINDOW}")
    print("contains")
    print("\n".join(routines))
    print()
    print("! Registers every handler above; returns how many registrations succeeded.")
    print("integer(c_int32_t) function register_fortran_handlers() bind(c, name='register_fortran_handlers')")
    print("  logical :: bSt")
    print("  register_fortran_handlers = 0")
    for line in statements:
        print("  " + line)
        print("  if (bSt) register_fortran_handlers = register_fortran_handlers + 1")
    print("end function")
    print()
    print("end module DecodingHandlers")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    main(sys.argv[1])
