#!/usr/bin/python3
"""Compiles every example program and runs it headless in orbrt for a bounded
number of statements; fails when one does not compile or its run ends in a
run-time error. Each example runs from a copy of the examples folder, so the
archives they write stay out of the source tree.

    run_examples.py ORBBASIC EXAMPLES_DIR STEPS [NAME...]

Without names every .orb file of the folder and of its subfolders runs. A run may end by reaching
its step limit (88 "Program closed"), by running off its end (0) or by End
(110); any other code is a fault.
"""
import os
import shutil
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

CLEAN_ENDS = {0, 88, 110}


def run_example(orbbasic, folder, steps, name):
    work = os.path.join(folder, "work-" + name.replace("/", "-"))
    os.mkdir(work)
    # A machine without a sound card is the usual case for tests; the dummy
    # driver keeps the runs quiet and the same everywhere.
    env = dict(os.environ, ORBRT_HEADLESS="1", ORBRT_MAX_STEPS=str(steps), SDL_AUDIODRIVER="dummy")
    env.pop("ORBRT_INPUT", None)
    env.pop("ORBRT_SNAPSHOT", None)
    run = subprocess.run([orbbasic, "--work", work, "--run", os.path.join(folder, name + ".orb")],
                         capture_output=True, text=True, encoding="latin-1", env=env, timeout=120)
    try:
        with open(os.path.join(work, "orberr.tmp"), encoding="latin-1") as f:
            first = f.readline().strip()
    except OSError:
        return f"{name}: no error file; orbbasic said {run.stdout.strip()} {run.stderr.strip()}"
    code = first.split("|", 1)[0].split(".", 1)[1] if "." in first else ""
    digits = "".join(c for c in code if c.isdigit())
    if not digits or int(digits) not in CLEAN_ENDS:
        return f"{name}: {first}"
    print(f"{name}: {first}")
    return None


def main(orbbasic, examples_dir, steps, *names):
    folder = tempfile.mkdtemp(prefix="orb-examples-")
    try:
        copy = os.path.join(folder, "examples")
        shutil.copytree(examples_dir, copy, ignore=shutil.ignore_patterns("*.rs", "*.py"))
        names = names or sorted(os.path.relpath(os.path.join(root, f), copy)[:-4]
                                for root, _, files in os.walk(copy) for f in files if f.endswith(".orb"))
        with ThreadPoolExecutor(max_workers=2) as pool:
            faults = [r for r in pool.map(lambda n: run_example(orbbasic, copy, int(steps), n), names) if r]
    finally:
        shutil.rmtree(folder)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
