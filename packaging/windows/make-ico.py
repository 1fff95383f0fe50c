#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes a Windows icon file (.ico) holding the given square PNG pictures as they are.

    make-ico.py OUT.ico 16.png 32.png ... 256.png

Windows (Vista and later) reads PNG pictures inside an icon file; each keeps its own size.
"""

import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit("make-ico.py: not a PNG picture")
    return struct.unpack(">II", data[16:24])


def main():
    out, pictures = sys.argv[1], [open(p, "rb").read() for p in sys.argv[2:]]
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries, blobs = b"", b""
    for data in pictures:
        width, height = png_size(data)
        if width != height or width > 256:
            raise SystemExit("make-ico.py: an icon picture is square, at most 256 pixels")
        # A size of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(data), offset + len(blobs))
        blobs += data
    with open(out, "wb") as f:
        f.write(header + entries + blobs)


if __name__ == "__main__":
    main()
