#!/usr/bin/python3
"""Checks that the help file covers the language: an entry after the
---COMMANDS--- divider for every named keyword of the keyword table, each
with an example, and one ErrorMessages page per message code whose title
line the viewer reads as "CODE: message", with the message of the compiler's
or the runtime's own table (read by message_tables.py in TABLES_DIR).

    check_help_coverage.py HELP_FILE KEYWORD_LIST_HEADER TABLES_DIR
"""
import re
import sys

import help_file


def keyword_names(header):
    names = re.findall(r'^ORB_(?:STATEMENT|BUILTIN)\(\d+, \w+, "([^"]*)", "[0-9+]*"', open(header).read(), re.M)
    assert len(names) == 224, f"read {len(names)} keyword table entries, expected 224"
    return {n for n in names if n}


def main(help_path, header, tables_dir):
    sys.path.insert(0, tables_dir)
    from message_tables import messages
    text = open(help_path, encoding="latin-1").read()
    faults = []
    all_entries = help_file.entries(text)
    if len(all_entries) > 256:
        faults.append(f"{len(all_entries)} entries; the viewer reads 256")
    titles = [t for t, _ in all_entries]
    for special in ("index", "userguide", "ErrorMessages", "variableviewer", "---COMMANDS---"):
        if special not in titles:
            faults.append(f"no entry {special}")

    commands = dict(help_file.command_entries(text))
    for name in sorted(keyword_names(header)):
        if name not in commands:
            faults.append(f"keyword {name} has no command entry")
        elif not help_file.examples(commands[name]):
            faults.append(f"keyword {name} has no example")
    duplicates = {t for t in titles if titles.count(t) > 1}
    if duplicates:
        faults.append(f"entries named twice: {sorted(duplicates)}")

    body = dict(all_entries).get("ErrorMessages", "")
    error_pages = help_file.pages(body)
    expected = messages()
    if len(error_pages) != len(expected):
        faults.append(f"ErrorMessages has {len(error_pages)} pages, expected {len(expected)}")
    for code, (page, message) in enumerate(zip(error_pages, expected)):
        first = page[1:] if page.startswith("\n") else page
        title = first.split("\n", 1)[0][6:56]
        # The viewer shows 50 characters of the title.
        if title != f"{code}: {message}"[:50]:
            faults.append(f"page {code} has the title {title!r}")

    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
