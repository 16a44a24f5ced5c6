#!/usr/bin/python3
"""Writes orbbasichelp.txt, the file the help viewer reads, from the tables
beside this script: the general entries, the error pages (titled with the
programs' own message tables) and the command reference.

    /usr/bin/python3 data/help/make_help.py [OUTPUT]

Without OUTPUT it rewrites data/help/orbbasichelp.txt.
"""
import os
import sys

from commands import COMMANDS
from errors import ERRORS
from guide import INDEX, USERGUIDE, VARIABLE_VIEWER
from help_format import entry, example_block, paginate, wrap
from message_tables import messages

HERE = os.path.dirname(os.path.abspath(__file__))


def general(pages):
    return "@p\n".join("\n".join(wrap(page)) + "\n" for page in pages)


def error_page(code, message, explanation, example):
    # The viewer takes the page title from the first line's seventh character on.
    blocks = [["Error %d: %s" % (code, message), ""] + wrap(explanation)]
    if example:
        blocks.append(["@2Example:@0"] + ["  " + line for line in example.split("\n")])
    rows = [row for block in blocks for row in block + [""]][:-1]
    return "\n".join(rows) + "\n"


def command_entry(name, syntax, text, example):
    blocks = [["@1" + syntax + "@0", ""] + wrap(text), example_block(example)]
    return paginate(blocks)


def help_text():
    titles = messages()
    codes = [row[0] for row in ERRORS]
    assert codes == list(range(len(titles))), "one error page per message code, in code order"
    parts = ["OrbBasic help. Entries start at the first underline character.\n"]
    parts.append(entry("index", general(INDEX)))
    parts.append(entry("userguide", general(USERGUIDE)))
    parts.append(entry("ErrorMessages", "@p\n".join(error_page(code, titles[code], *rest) for code, *rest in ERRORS)))
    parts.append(entry("variableviewer", general(VARIABLE_VIEWER)))
    parts.append(entry("---COMMANDS---", ""))
    # The Command Ref list shows the entries in file order, so they are written
    # alphabetically (ignoring case) whatever order the table keeps.
    for row in sorted(COMMANDS, key=lambda row: (row[0].lower(), row[0])):
        parts.append(entry(row[0], command_entry(*row)))
    return "".join(parts)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "orbbasichelp.txt")
    text = help_text()
    with open(out, "w", newline="\n", encoding="latin-1") as f:
        f.write(text)


if __name__ == "__main__":
    main()
