#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Makes the game's own fonts: the characters the game shows, cut from the LXGW WenKai faces
that Debian ships, under names of their own.

    tools/assets/fonts/make-font.py [--list]

Writes resources/fonts/HanziKittenKai-Regular.ttf and HanziKittenKai-Bold.ttf, the child's game,
and HanziKittenKaiParents-Regular.ttf, the parents' corner; --list only prints the characters of
each. Every run with the same fonttools and font package writes the same bytes.
"""

import argparse
import glob
import os
import re
import sys
import xml.etree.ElementTree as ElementTree

from fontTools import subset
from fontTools.ttLib import TTFont

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
SOURCE_FOLDER = "/usr/share/fonts/truetype/lxgw-wenkai"

# The texts the game shows from resources/strings/: the words and the poems (title, poet and
# lines). The others are tables of numbers.
GAME_TEXTS = ("101.txt", "3[0-9][0-9].txt")
# The parents' corner shows the words with their pinyin.
CORNER_TEXTS = ("101.txt", "102.txt")
# Files whose literals, and translations whose texts, go to the terminal, in its own font.
TERMINAL_ONLY = {"src/CommandLine.cpp"}
TERMINAL_ONLY_CONTEXTS = {"CommandLine"}
# The corner's own sources; what they show is set in the corner's face.
CORNER_SOURCES = "src/corner/"
# The corner speaks English too: every printable ASCII character.
ASCII = {chr(c) for c in range(0x21, 0x7F)}
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
LINE_COMMENT = re.compile(r"//[^\n]*")

# The name records that name the face. The Open Font License keeps the original's reserved
# names for the original: a cut-down face is named anew.
NAMING_RECORDS = (1, 2, 3, 4, 6, 16, 17)
NOTE = ("Cut down for Hanzi Kitten to the characters the game shows, from LXGW WenKai as "
        "Debian packages it (fonts-lxgw-wenkai).")


def text_characters(patterns):
    """Every character of the texts in resources/strings/ that match the patterns."""
    found = set()
    for pattern in patterns:
        for name in sorted(glob.glob(os.path.join(ROOT, "resources", "strings", pattern))):
            with open(name, encoding="utf-8") as text:
                found |= set(text.read())
    return found


def literal_characters(in_corner):
    """Every character of the string literals that hold a character beyond ASCII, in the
    corner's sources or in the others (the window titles, the tool tip and the help text)."""
    found = set()
    sources = glob.glob(os.path.join(ROOT, "src", "**", "*.cpp"), recursive=True) + \
        glob.glob(os.path.join(ROOT, "src", "**", "*.h"), recursive=True)
    for name in sorted(sources):
        relative = os.path.relpath(name, ROOT)
        if relative in TERMINAL_ONLY or relative.startswith(CORNER_SOURCES) != in_corner:
            continue
        with open(name, encoding="utf-8") as source:
            code = LINE_COMMENT.sub("", source.read())
        for literal in LITERAL.findall(code):
            if any(ord(c) > 127 for c in literal):
                found |= set(literal)
    return found


def translation_characters():
    """Every character of the translations in translations/, but the command line's."""
    found = set()
    for name in sorted(glob.glob(os.path.join(ROOT, "translations", "*.ts"))):
        for context in ElementTree.parse(name).getroot().iter("context"):
            if context.findtext("name") in TERMINAL_ONLY_CONTEXTS:
                continue
            for translation in context.iter("translation"):
                found |= set(translation.text or "")
    return found


def game_characters():
    return text_characters(GAME_TEXTS) | literal_characters(in_corner=False)


def corner_characters():
    return (text_characters(CORNER_TEXTS) | literal_characters(in_corner=True) |
            translation_characters() | ASCII)


# (family, weights, characters): the child's game in two weights, the parents' corner in one,
# which Qt makes bold where the corner asks for it.
FACES = (
    ("Hanzi Kitten Kai", ("Regular", "Bold"), game_characters),
    ("Hanzi Kitten Kai Parents", ("Regular",), corner_characters),
)


def printable(characters):
    return "".join(sorted(c for c in characters if not c.isspace()))


def rename(font, family, weight):
    names = font["name"]
    names.names = [n for n in names.names if n.nameID not in NAMING_RECORDS]
    full = family if weight == "Regular" else f"{family} {weight}"
    postscript = f"{family.replace(' ', '')}-{weight}"
    version = names.getDebugName(5)
    for record, value in ((1, family), (2, weight), (3, f"{postscript};{version}"), (4, full),
                          (6, postscript)):
        names.setName(value, record, 3, 1, 0x409)
    names.setName(NOTE, 10, 3, 1, 0x409)


def make_face(family, weight, text, folder):
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
    rename(font, family, weight)
    target = os.path.join(folder, f"{family.replace(' ', '')}-{weight}.ttf")
    font.save(target, reorderTables=True)
    return target


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", action="store_true", help="only print the characters")
    options = parser.parse_args()
    folder = os.path.join(ROOT, "resources", "fonts")
    os.makedirs(folder, exist_ok=True)
    for family, weights, characters in FACES:
        text = printable(characters())
        if options.list:
            print(f"{family}: {text}")
            continue
        for weight in weights:
            target = make_face(family, weight, text, folder)
            print(f"{os.path.relpath(target, ROOT)}: {len(text)} characters, "
                  f"{os.path.getsize(target)} bytes")


if __name__ == "__main__":
    main()
