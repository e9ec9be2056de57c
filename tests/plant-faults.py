#!/usr/bin/env python3
"""Plants plausible faults one at a time and reports which tests catch each.

Usage: tests/plant-faults.py FAULTS BUILD_FOLDER [NAME ...]

FAULTS holds blocks separated by blank lines, each:
    # what the fault is
    path/of/the/file
    - text as it stands (\\n for a line break)
    + text to put in its place
    (more - and + pairs for a fault that touches several places in the file, and another path
    before the pairs for another file)
Each fault is applied to the working tree, built incrementally, run with ctest and reverted.
"""
import pathlib
import subprocess
import sys


def faults(path):
    """Yields each fault's name and, for each file it touches, the file and its edits."""
    unescape = lambda s: s[2:].replace("\\n", "\n")
    for block in pathlib.Path(path).read_text().split("\n\n"):
        lines = [l for l in block.strip().splitlines() if l]
        if len(lines) < 4 or not lines[0].startswith("#"):
            continue
        files, rest = [], lines[1:]
        while rest:
            file, rest = rest[0], rest[1:]
            pairs = []
            while len(rest) >= 2 and rest[0][:1] == "-" and rest[1][:1] == "+":
                pairs.append((unescape(rest[0]), unescape(rest[1])))
                rest = rest[2:]
            files.append((file, pairs))
        yield lines[0].lstrip("# "), files


def failing_tests(build):
    run = subprocess.run(["ctest", "--test-dir", build, "-j2", "--timeout", "180"],
                         capture_output=True, text=True)
    return [l.split()[3] for l in run.stdout.splitlines()
            if " Test " in l and ("Failed" in l or "Timeout" in l or "Exception" in l)]


def main():
    listing, build, *only = sys.argv[1:]
    caught = total = 0
    for name, files in faults(listing):
        if only and not any(o in name for o in only):
            continue
        originals = {file: pathlib.Path(file).read_text() for file, _ in files}
        stale = [(file, old) for file, edits in files for old, _ in edits
                 if originals[file].count(old) != 1]
        if stale:
            print(f"STALE   {name}: {stale[0][1]!r} does not stand once in {stale[0][0]}")
            continue
        for file, edits in files:
            planted = originals[file]
            for old, new in edits:
                planted = planted.replace(old, new)
            pathlib.Path(file).write_text(planted)
        try:
            built = subprocess.run(["cmake", "--build", build], capture_output=True, text=True)
            if built.returncode != 0:
                errors = [l for l in built.stdout.splitlines() if "error" in l]
                print(f"NOBUILD {name}: {errors[:1]}")
                continue
            total += 1
            failed = failing_tests(build)
            caught += bool(failed)
            print(f"{'CAUGHT ' if failed else 'MISSED '} {name}: {' '.join(failed)}", flush=True)
        finally:
            for file, text in originals.items():
                pathlib.Path(file).write_text(text)
    subprocess.run(["cmake", "--build", build], capture_output=True)
    print(f"{caught} of {total} faults caught")


if __name__ == "__main__":
    main()
