#!/usr/bin/python3
"""Fails when data/help/orbbasichelp.txt differs from what make_help.py writes,
so the committed help file never drifts from its tables.

    same_as_generated.py HELP_DIR
"""
import os
import sys

sys.path.insert(0, sys.argv[1])
from make_help import help_text  # noqa: E402

with open(os.path.join(sys.argv[1], "orbbasichelp.txt"), encoding="latin-1", newline="") as f:
    committed = f.read()
if committed != help_text():
    print("orbbasichelp.txt is out of date: run /usr/bin/python3 data/help/make_help.py")
    sys.exit(1)
