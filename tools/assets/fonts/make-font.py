#!/usr/bin/python3
"""Makes the game's own font: the characters the game shows, cut from the LXGW WenKai faces
that Debian ships, under a name of its own.

    tools/assets/fonts/make-font.py [--list]

Writes resources/fonts/HanziKittenKai-Regular.ttf and HanziKittenKai-Bold.ttf; --list only
prints the characters. Every run with the same fonttools and font package writes the same bytes.
"""

import argparse
import glob
import os
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
SOURCE_FOLDER = "/usr/share/fonts/truetype/lxgw-wenkai"
FAMILY = "Hanzi Kitten Kai"
WEIGHTS = ("Regular", "Bold")

# The texts the game shows from resources/strings/: the words and the poems (title, poet and
# lines). The others are tables of numbers.
SHOWN_TEXTS = ("101.txt", "3[0-9][0-9].txt")
# Files whose literals go to the terminal, in the terminal's own font.
TERMINAL_ONLY = {"src/CommandLine.cpp"}
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
LINE_COMMENT = re.compile(r"//[^\n]*")

# The name records that name the face. The Open Font License keeps the original's reserved
# names for the original: a cut-down face is named anew.
NAMING_RECORDS = (1, 2, 3, 4, 6, 16, 17)
NOTE = ("Cut down for Hanzi Kitten to the characters the game shows, from LXGW WenKai as "
        "Debian packages it (fonts-lxgw-wenkai).")


def text_characters():
    """Every character of the shown texts in resources/strings/."""
    found = set()
    for pattern in SHOWN_TEXTS:
        for name in sorted(glob.glob(os.path.join(ROOT, "resources", "strings", pattern))):
            with open(name, encoding="utf-8") as text:
                found |= set(text.read())
    return found


def literal_characters():
    """Every character of the sources' string literals that hold a character beyond ASCII:
    the window titles, the tool tip and the help text."""
    found = set()
    sources = glob.glob(os.path.join(ROOT, "src", "**", "*.cpp"), recursive=True) + \
        glob.glob(os.path.join(ROOT, "src", "**", "*.h"), recursive=True)
    for name in sorted(sources):
        if os.path.relpath(name, ROOT) in TERMINAL_ONLY:
            continue
        with open(name, encoding="utf-8") as source:
            code = LINE_COMMENT.sub("", source.read())
        for literal in LITERAL.findall(code):
            if any(ord(c) > 127 for c in literal):
                found |= set(literal)
    return found


def characters():
    return sorted(c for c in text_characters() | literal_characters() if not c.isspace())


def rename(font, weight):
    names = font["name"]
    names.names = [n for n in names.names if n.nameID not in NAMING_RECORDS]
    full = FAMILY if weight == "Regular" else f"{FAMILY} {weight}"
    postscript = f"{FAMILY.replace(' ', '')}-{weight}"
    version = names.getDebugName(5)
    for record, value in ((1, FAMILY), (2, weight), (3, f"{postscript};{version}"), (4, full),
                          (6, postscript)):
        names.setName(value, record, 3, 1, 0x409)
    names.setName(NOTE, 10, 3, 1, 0x409)


def make_face(weight, text, folder):
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.glyph_names = False
    options.hinting = False
    font = TTFont(os.path.join(SOURCE_FOLDER, f"LXGWWenKai-{weight}.ttf"), recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    missing = [c for c in text if ord(c) not in font.getBestCmap()]
    if missing:
        sys.exit(f"make-font.py: LXGW WenKai {weight} has no {''.join(missing)}")
    rename(font, weight)
    target = os.path.join(folder, f"{FAMILY.replace(' ', '')}-{weight}.ttf")
    font.save(target, reorderTables=True)
    return target


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", action="store_true", help="only print the characters")
    options = parser.parse_args()
    text = "".join(characters())
    if options.list:
        print(text)
        return
    folder = os.path.join(ROOT, "resources", "fonts")
    os.makedirs(folder, exist_ok=True)
    for weight in WEIGHTS:
        target = make_face(weight, text, folder)
        print(f"{os.path.relpath(target, ROOT)}: {len(text)} characters, "
              f"{os.path.getsize(target)} bytes")


if __name__ == "__main__":
    main()
