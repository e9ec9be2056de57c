#!/usr/bin/env python3
"""Plants plausible faults one at a time and reports which tests catch each.

Usage: tests/plant-faults.py FAULTS BUILD_FOLDER [NAME ...]

FAULTS holds blocks separated by blank lines, each:
    # what the fault is
    path/of/the/file
    - text as it stands (\\n for a line break)
    + text to put in its place
    (more - and + pairs for a fault that touches several places in the file)
Each fault is applied to the working tree, built incrementally, run with ctest and reverted.
"""
import pathlib
import subprocess
import sys


def faults(path):
    for block in pathlib.Path(path).read_text().split("\n\n"):
        lines = [l for l in block.strip().splitlines() if l]
        if len(lines) < 4 or len(lines) % 2:
            continue
        unescape = lambda s: s[2:].replace("\\n", "\n")
        edits = [(unescape(a), unescape(b)) for a, b in zip(lines[2::2], lines[3::2])]
        yield lines[0].lstrip("# "), lines[1], edits


def failing_tests(build):
    run = subprocess.run(["ctest", "--test-dir", build, "-j2", "--timeout", "180"],
                         capture_output=True, text=True)
    return [l.split()[3] for l in run.stdout.splitlines()
            if " Test " in l and ("Failed" in l or "Timeout" in l or "Exception" in l)]


def main():
    listing, build, *only = sys.argv[1:]
    caught = total = 0
    for name, file, edits in faults(listing):
        if only and not any(o in name for o in only):
            continue
        source = pathlib.Path(file)
        text = planted = source.read_text()
        stale = [old for old, _ in edits if text.count(old) != 1]
        if stale:
            print(f"STALE   {name}: {stale[0]!r} does not stand once in {file}")
            continue
        for old, new in edits:
            planted = planted.replace(old, new)
        source.write_text(planted)
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
            source.write_text(text)
    subprocess.run(["cmake", "--build", build], capture_output=True)
    print(f"{caught} of {total} faults caught")


if __name__ == "__main__":
    main()
