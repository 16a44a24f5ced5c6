#!/usr/bin/python3
"""Compiles every example of the help file with orbbasic --test and fails on
any compile error. Examples load the files of examples/assets and
examples/sound, so each one is compiled in a folder that holds copies of them.

    check_help_examples.py ORBBASIC HELP_FILE EXAMPLES_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

import help_file


def prepare_folder(examples_dir):
    folder = tempfile.mkdtemp(prefix="orb-help-")
    for sub in ("assets", "sound"):
        src = os.path.join(examples_dir, sub)
        for name in os.listdir(src):
            if not name.endswith(".py"):
                shutil.copy(os.path.join(src, name), folder)
    # No MP3 ships with the examples; the compiler only needs the file to exist.
    open(os.path.join(folder, "music.mp3"), "wb").close()
    return folder


def compile_example(orbbasic, folder, index, title, code):
    source = os.path.join(folder, f"example{index}.orb")
    work = os.path.join(folder, f"work{index}")
    os.mkdir(work)
    with open(source, "w", encoding="latin-1") as f:
        f.write(code.strip("\n") + "\n")
    run = subprocess.run([orbbasic, "--work", work, "--test", source],
                         capture_output=True, text=True, encoding="latin-1")
    if run.returncode != 0:
        return f"{title}: {run.stdout.strip()} {run.stderr.strip()}\n{code}"
    return None


def main(orbbasic, help_path, examples_dir):
    text = open(help_path, encoding="latin-1").read()
    cases = [(title, code) for title, body in help_file.entries(text) for code in help_file.examples(body)]
    folder = prepare_folder(examples_dir)
    try:
        with ThreadPoolExecutor(max_workers=2) as pool:
            results = list(pool.map(lambda c: compile_example(orbbasic, folder, c[0], *c[1]), enumerate(cases)))
    finally:
        shutil.rmtree(folder)
    faults = [r for r in results if r]
    for fault in faults:
        print(fault)
    print(f"{len(cases)} examples, {len(faults)} failed")
    return 1 if faults or not cases else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
