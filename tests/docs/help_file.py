"""Reads orbbasichelp.txt the way the help viewer does: an underscore starts
an entry, its line is the title (at most 22 characters), the body runs to the
next underscore; "@p" separates pages, "@9" starts example code that runs to
the next mark."""
import re


def entries(text):
    found = []
    for chunk in text.split("_")[1:]:
        title, _, body = chunk.partition("\n")
        found.append((title.rstrip("\r")[:22], body))
    return found


def pages(body):
    return body.split("@p")


def examples(body):
    return [m.group(1) for m in re.finditer(r"@9([^@]*)", body)]


def command_entries(text):
    """Entries after the ---COMMANDS--- divider."""
    all_entries = entries(text)
    titles = [t.lower() for t, _ in all_entries]
    return all_entries[titles.index("---commands---") + 1:]
