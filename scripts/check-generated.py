#!/usr/bin/env python3
"""Checks that Fortran sources still use exactly what genhand writes.

A routine that came from genhand carries the line

    ! genhand: ARGS...

somewhere above it, with the arguments genhand was run with (a window name,
an ID, options, the catalogue name). For each such routine the check runs
genhand again and requires, in the routine that follows the mark:

- the routine's first line, its USE and IMPLICIT NONE lines, every
  declaration and its END line, verbatim and in genhand's order (the body
  between them is the programmer's), and
- the registration statement genhand writes, somewhere in the same file.

Usage: check-generated.py GENHAND FILE...   Exit status 1 lists mismatches.
"""
import re
import shlex
import subprocess
import sys

MARK = re.compile(r"^\s*!\s*genhand:\s*(.*)$", re.IGNORECASE)
START = re.compile(r"^\s*((LOGICAL|INTEGER)\s+FUNCTION|SUBROUTINE)\s", re.IGNORECASE)
END = re.compile(r"^\s*END\s+(FUNCTION|SUBROUTINE)\b", re.IGNORECASE)
KEPT = re.compile(r"^\s*(USE\s|IMPLICIT\s+NONE|(TYPE\(|INTEGER|LOGICAL|CHARACTER|REAL)[^=]*::)",
                  re.IGNORECASE)


def genhand(program, args, part):
    result = subprocess.run([program, "--lf", "--separator", "none", part] + args,
                            capture_output=True, text=True)
    if result.returncode != 0:
        raise ValueError(f"genhand {' '.join(args)}: {result.stderr.strip()}")
    lines = [line.rstrip() for line in result.stdout.splitlines()]
    # The separator "none" is a single blank in front of the routine.
    if part == "--routine" and lines and lines[0].startswith(" "):
        lines[0] = lines[0][1:]
    return lines


def fixed_lines(routine):
    """The lines of a generated routine that the programmer keeps as they are."""
    return [line for line in routine
            if START.match(line) or END.match(line) or KEPT.match(line)]


def routine_after(lines, index):
    """The lines from the first routine start after `index` to its END line."""
    start = next((i for i in range(index + 1, len(lines)) if START.match(lines[i])), None)
    if start is None:
        return None, []
    end = next((i for i in range(start, len(lines)) if END.match(lines[i])), len(lines) - 1)
    return start, lines[start:end + 1]


def check_file(program, path):
    problems = []
    lines = [line.rstrip() for line in open(path, encoding="latin-1")]
    stripped = [line.strip() for line in lines]
    marks = 0
    for number, line in enumerate(lines):
        mark = MARK.match(line)
        if not mark:
            continue
        marks += 1
        args = shlex.split(mark.group(1))
        where = f"{path}:{number + 1}"
        try:
            expected = fixed_lines(genhand(program, args, "--routine"))
            statement = genhand(program, args, "--statement")
        except ValueError as error:
            problems.append(f"{where}: {error}")
            continue
        start, routine = routine_after(lines, number)
        if start is None:
            problems.append(f"{where}: no routine follows the mark")
            continue
        # Each fixed line must appear in order within the routine.
        position = 0
        for want in expected:
            found = next((i for i in range(position, len(routine)) if routine[i] == want), None)
            if found is None:
                problems.append(f"{path}:{start + 1}: expected, as genhand writes it: {want!r}")
                break
            position = found + 1
        for want in statement:
            if want.strip() and want.strip() not in stripped:
                problems.append(f"{where}: missing the registration statement {want.strip()!r}")
    return marks, problems


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    program, files = argv[1], argv[2:]
    total, problems = 0, []
    for path in files:
        marks, found = check_file(program, path)
        total += marks
        problems += found
    for problem in problems:
        print(problem, file=sys.stderr)
    if not problems:
        print(f"{total} generated routines match genhand")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
