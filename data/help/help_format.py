"""Lays out help text in the form the help viewer reads.

The viewer draws 8-pixel columns and 16-pixel rows in a page area that
holds about fourteen rows, so paragraphs are wrapped to a fixed width and
long entries are cut into pages. An underscore would start a new entry,
so none may appear in a body.
"""
import textwrap

WIDTH = 56          # columns that fit beside the list
PAGE_ROWS = 14      # rows between the top of the page area and the page number


def wrap(text):
    """Wraps each paragraph of text (paragraphs are separated by blank lines)."""
    out = []
    for para in text.strip("\n").split("\n\n"):
        lines = para.split("\n")
        if any(line.startswith("  ") for line in lines):
            out.extend(lines)          # indented blocks (tables) stay as written
        else:
            out.extend(textwrap.wrap(" ".join(lines), WIDTH))
        out.append("")
    return out[:-1]


def paginate(blocks):
    """Joins blocks of rows into pages; a block never straddles a page."""
    pages, rows = [], []
    for block in blocks:
        if rows and len(rows) + len(block) + 1 > PAGE_ROWS:
            pages.append(rows)
            rows = []
        if rows:
            rows.append("")
        rows.extend(block)
    if rows:
        pages.append(rows)
    return "@p\n".join("\n".join(page) + "\n" for page in pages)


def example_block(code):
    """Example code: a grey caption, then the code in the example colour up to the next mark."""
    lines = code.strip("\n").split("\n")
    lines[0] = "@9" + lines[0]
    lines[-1] += "@0"
    return ["@2Example:@0"] + lines


def entry(title, body):
    if "_" in body or "_" in title:
        raise ValueError(f"entry {title!r} holds an underscore, which would start a new entry")
    return "_" + title + "\n" + body
