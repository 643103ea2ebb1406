#!/usr/bin/env python3
"""Fills the help page's template with the facts kept in docs/: the rows of
the exit-code table come from the first table of docs/exit-codes.md, so the
page and the documentation never tell two stories.

    fill_help_page.py TEMPLATE EXIT_CODES_MD OUTPUT
"""
import html
import re
import sys


def table_rows(markdown):
    """The body rows of the first table of a markdown text, as cell lists."""
    rows, in_table = [], False
    for line in markdown.splitlines():
        if not line.startswith("|"):
            if in_table:
                break
            continue
        in_table = True
        cells = [c.strip() for c in re.split(r"(?<!\\)\|", line.strip())[1:-1]]
        rows.append(cells)
    if len(rows) < 3:
        raise SystemExit("no table with a body in the exit-code document")
    return rows[2:]  # after the header and its rule


def inline(text):
    text = html.escape(text, quote=False).replace("\\|", "|")
    text = re.sub(r"\*\*(.+?)\*\*", r"<strong>\1</strong>", text)
    return re.sub(r"`(.+?)`", r"<code>\1</code>", text)


def main(template_path, markdown_path, output_path):
    with open(markdown_path, encoding="utf-8") as f:
        rows = table_rows(f.read())
    lines = ["<tr>" + "".join(f"<td>{inline(c)}</td>" for c in row) + "</tr>" for row in rows]
    with open(template_path, encoding="utf-8") as f:
        page = f.read()
    if "@EXIT_CODE_ROWS@" not in page:
        raise SystemExit("the template has no place for the exit codes")
    with open(output_path, "w", encoding="utf-8") as f:
        f.write(page.replace("@EXIT_CODE_ROWS@", "\n".join(lines)))


if __name__ == "__main__":
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
