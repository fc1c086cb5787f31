#!/usr/bin/env python3
"""Reads the web page the program exports with an HTML parser: well formed, self-contained,
one table whose rows hold the listed movies, sorted by rating in the ratings' own order and
with its short cells kept on one line."""
import html.parser
import os
import re
import subprocess
import sys
import tempfile

VOID = {"meta", "br", "img", "input", "link", "hr"}
# Worst first, as the catalogue ranks them; no rating comes last.
RATINGS = ["Walk Away Movie", "Boring", "Normal", "Nice", "Pretty Good", "Perfect Movie", ""]


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.open = []
        self.problems = []
        self.headings = []
        self.heading_types = []
        self.rows = []
        self.cell_attrs = []  # per row, the attributes of each cell
        self.cell = None
        self.style = ""
        self.external = []
        self.scripts = 0

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name in ("src", "href") or (value and "://" in value):
                self.external.append((tag, name, value))
        if tag == "script":
            self.scripts += 1
        if tag in VOID:
            return
        self.open.append(tag)
        if tag == "tr" and "tbody" in self.open:
            self.rows.append([])
            self.cell_attrs.append([])
        if tag == "th":
            self.heading_types.append(dict(attrs).get("data-type"))
        elif tag == "td":
            self.cell_attrs[-1].append(dict(attrs))
        if tag in ("td", "th"):
            self.cell = ""

    def handle_endtag(self, tag):
        if not self.open or self.open[-1] != tag:
            self.problems.append(f"</{tag}> closes {self.open[-1:]} at {self.getpos()}")
            return
        self.open.pop()
        if tag == "th":
            self.headings.append(self.cell)
        elif tag == "td":
            self.rows[-1].append(self.cell)
        if tag in ("td", "th"):
            self.cell = None

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data
        elif self.open and self.open[-1] == "style":
            self.style += data


def sort_key(cell, attrs, numeric):
    """What the page's script sorts a cell by."""
    text = attrs.get("data-value", cell)
    if not numeric:
        return text.lower()
    try:
        return float(text)
    except ValueError:
        return 0.0


def rating_problems(page):
    col = page.headings.index("Rating")
    numeric = page.heading_types[col] == "number"
    rows = sorted(range(len(page.rows)),
                  key=lambda i: sort_key(page.rows[i][col], page.cell_attrs[i][col], numeric))
    shown = [page.rows[i][col] for i in rows]
    if len(set(shown)) < 3:
        return [f"the sample has too few ratings to check their order: {sorted(set(shown))}"]
    if any(r not in RATINGS for r in shown):
        return [f"ratings outside the catalogue's: {shown}"]
    ranks = [RATINGS.index(r) for r in shown]
    return [] if ranks == sorted(ranks) else [f"sorted by rating: {shown}"]


def wrapping_problems(page):
    nowrap = set(re.findall(r"td\.([\w-]+)\s*\{[^}]*white-space:\s*nowrap", page.style))
    short = [page.headings.index(h) for h in ("Genre", "Format", "Rating", "Length", "Quality",
                                               "Size")]
    wrapping = {page.headings[c] for attrs in page.cell_attrs for c in short
                if not nowrap & set(attrs[c].get("class", "").split())}
    return [f"short cells that may wrap: {sorted(wrapping)}"] if wrapping else []


def main():
    program, catalogue = sys.argv[1], sys.argv[2]
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "list.html")
        subprocess.run([program, "export", catalogue, "--format", "html", "-o", out],
                       check=True, env=env)
        with open(out, encoding="utf-8") as f:
            text = f.read()
    names = subprocess.run([program, "list", catalogue], check=True, env=env,
                           capture_output=True).stdout.decode("utf-8").splitlines()
    page = Page()
    page.feed(text)
    page.close()
    failures = list(page.problems)
    if page.open:
        failures.append(f"left open: {page.open}")
    if page.external:
        failures.append(f"refers to other resources: {page.external}")
    if page.scripts != 1:
        failures.append(f"{page.scripts} scripts, expected the one inline sorter")
    expected = ["Name", "Genre", "Format", "Rating", "Length", "Quality", "Size", "Personal Info"]
    if page.headings != expected:
        failures.append(f"headings {page.headings}")
    if any(len(r) != len(expected) for r in page.rows):
        failures.append("a row without eight cells")
    if [r[0] for r in page.rows] != names:
        failures.append(f"names {[r[0] for r in page.rows]} differ from the list {names}")
    if not failures:
        failures += rating_problems(page) + wrapping_problems(page)
    if not text.startswith("<!DOCTYPE html>") or '<meta charset="utf-8">' not in text:
        failures.append("no doctype or character set")
    for f in failures:
        print("FAIL:", f)
    print(f"{len(page.rows)} rows checked")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
