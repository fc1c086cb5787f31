#!/usr/bin/env python3
"""Checks the translations in translations/*.ts against the sources and against their English
texts: every text the sources mark is translated (lupdate run on a copy finds nothing new or
unfinished), and every translation keeps what the program fills in or relies on: the %1 and %v
place holders, one "&" key where the English has one, the file patterns in brackets that the
file dialogs filter by, the blanks and line breaks a text is joined with, and the details
panel's labels within their column.
Run as: check_translations.py LUPDATE ROOT"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACE_HOLDER = re.compile(r"%(?:[1-9]|[vm])")
ACCELERATOR = re.compile(r"&(?!&)")
PATTERNS = re.compile(r"\(\*\.[^)]*\)")
LABEL_WIDTH = 9  # the details panel's labels end in one column


def messages(path):
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def edges(text):
    """The blanks and line breaks at either end of a text, and how many breaks it holds."""
    return (text[: len(text) - len(text.lstrip())], text[len(text.rstrip()):], text.count("\n"))


def problems_of(path):
    found = []
    for context, message in messages(path):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        text = translation.text or "" if translation is not None else ""
        where = f"{path.name}: {context}: {source!r}"
        kind = translation.get("type") if translation is not None else None
        if kind in ("unfinished", "obsolete", "vanished") or not text:
            found.append(f"{where}: not translated ({kind or 'empty'})")
            continue
        if sorted(PLACE_HOLDER.findall(source)) != sorted(PLACE_HOLDER.findall(text)):
            found.append(f"{where}: place holders differ in {text!r}")
        if len(ACCELERATOR.findall(source)) != len(ACCELERATOR.findall(text)):
            found.append(f"{where}: keys marked with & differ in {text!r}")
        for pattern in PATTERNS.findall(source):
            if pattern not in text:
                found.append(f"{where}: file pattern {pattern} missing in {text!r}")
        if edges(source) != edges(text):
            found.append(f"{where}: blanks or line breaks at the ends differ in {text!r}")
        if context == "MovieDetails" and source.endswith(":") and len(text) > LABEL_WIDTH:
            found.append(f"{where}: label {text!r} wider than {LABEL_WIDTH} characters")
    return found


def main():
    lupdate, root = sys.argv[1], pathlib.Path(sys.argv[2])
    files = sorted((root / "translations").glob("reelcase_*.ts"))
    if len(files) < 2:
        print("no translations found in", root / "translations")
        return 1
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in files:
            # lupdate on a copy beside a copy of the sources' path, so locations come out alike.
            copy = pathlib.Path(scratch) / ts.name
            shutil.copy(ts, copy)
            subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                            str(root / "src"), "-ts", str(copy)], check=True)
            problems += problems_of(copy)
    for p in problems:
        print(p)
    print(f"{len(files)} translations checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
