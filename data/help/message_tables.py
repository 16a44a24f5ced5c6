"""Reads the message tables the programs are built from: the compile messages
(compiler/compile_errors.def) and the run-time messages
(runtime/interp/run_errors.def), so that the help's error pages carry the
messages the compiler and the runtime report.
"""
import ast
import os
import re

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
COMPILE_ERRORS = os.path.join(ROOT, "compiler", "compile_errors.def")
RUN_ERRORS = os.path.join(ROOT, "runtime", "interp", "run_errors.def")
RUN_ERROR_CODE_BASE = 88


def read_table(path, macro):
    """The (name, text) rows of a table of MACRO(name, "text") lines."""
    rows = []
    for number, line in enumerate(open(path, encoding="utf-8").read().splitlines(), 1):
        if not line or line.startswith("//"):
            continue
        m = re.fullmatch(macro + r'\((\w+), ("(?:[^"\\]|\\.)*")\)', line)
        if not m:
            raise ValueError(f"{path}:{number}: not a {macro} line: {line}")
        rows.append((m.group(1), ast.literal_eval(m.group(2))))
    return rows


def compile_message(fmt):
    """What the compiler names a compile message by: the format's first part
    without its character conversion."""
    return fmt.split("|", 1)[0].replace("%c ", "", 1)


def messages():
    """Every message by code: the compile messages, then the run-time messages."""
    compile_rows = read_table(COMPILE_ERRORS, "COMPILE_ERROR")
    assert len(compile_rows) == RUN_ERROR_CODE_BASE, "run-time codes start after the compile codes"
    return [compile_message(fmt) for _, fmt in compile_rows] + [text for _, text in read_table(RUN_ERRORS, "RUN_ERROR")]
