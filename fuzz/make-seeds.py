#!/usr/bin/env python3
"""Writes the hand-made seeds of the metafile fuzz corpus (corpus/wmf/).

The page pictures under data/wmf and data/wmf2 are added by the fuzz script itself; these seeds
reach the records the pages do not use, and the ways a file can be broken.
Usage: fuzz/make-seeds.py
"""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "wmf")


def words(*ws):
    return b"".join(struct.pack("<H", w & 0xFFFF) for w in ws)


def rec(fn, params=b""):
    if len(params) % 2:
        params += b"\0"
    return struct.pack("<IH", 3 + len(params) // 2, fn) + params


def placeable(w=1000, h=1000, inch=1000):
    return struct.pack("<IHhhhhHIH", 0x9AC6CDD7, 0, 0, 0, w, h, inch, 0, 0)


def header(nobj=8):
    return words(1, 9, 0x300, 0, 0, nobj, 0, 0, 0)


def wmf(*records, end=True):
    return placeable() + header() + b"".join(records) + (rec(0) if end else b"")


def dib(width, height, bits, pixels, palette=b""):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, 0, 0, 0, 0, 0) + palette + pixels


def page(*records):
    """A page-sized picture (the size the viewers show), as the page pictures are."""
    return placeable(10485, 11955, 1440) + header() + b"".join(records) + rec(0)


FONT = words(-120, 0, 0, 0, 700, 0x0101, 0, 0) + b"Liberation Sans\0"


def font_text(height, width=0, escapement=0):
    """A font selected and one line of text in it."""
    font = words(height, width, escapement, escapement, 400, 0, 0, 0) + b"Liberation Sans\0"
    return rec(0x02FB, font), rec(0x012D, words(0)), rec(0x0521, words(10) + b"Tellwyn ok" + words(1, 0))


SEEDS = {
    "shapes.wmf": wmf(
        rec(0x020C, words(1000, 1000)), rec(0x020B, words(0, 0)), rec(0x0103, words(8)),
        rec(0x02FA, words(0, 5, 0, 0x00FF, 0)), rec(0x02FC, words(2, 0xFF00, 0, 3)),
        rec(0x012D, words(0)), rec(0x012D, words(1)), rec(0x0106, words(2)),
        rec(0x041B, words(900, 900, 100, 100)), rec(0x061C, words(50, 50, 800, 800, 200, 200)),
        rec(0x0418, words(700, 700, 300, 300)),
        rec(0x0817, words(100, 900, 900, 100, 900, 900, 100, 100)),
        rec(0x081A, words(500, 0, 0, 500, 1000, 1000, 0, 0)),
        rec(0x0830, words(900, 500, 100, 500, 1000, 1000, 0, 0)),
        rec(0x0324, words(3, 10, 10, 500, 990, 990, 10)), rec(0x0325, words(3, 10, 10, 500, 500, 990, 10)),
        rec(0x0538, words(2, 3, 4, 0, 0, 100, 0, 0, 100, 200, 200, 300, 200, 300, 300, 200, 300)),
        rec(0x0214, words(0, 0)), rec(0x0213, words(1000, 1000)),
        rec(0x001E), rec(0x0416, words(600, 600, 400, 400)), rec(0x0415, words(550, 550, 450, 450)),
        rec(0x041F, words(0, 0, 5, 5)), rec(0x0127, words(0xFFFF)), rec(0x01F0, words(1))),
    "text.wmf": wmf(
        rec(0x020C, words(1000, 1000)), rec(0x0102, words(2)), rec(0x0201, words(0xFFFF, 0)),
        rec(0x0209, words(0x0080, 0)), rec(0x02FB, FONT), rec(0x012D, words(0)),
        rec(0x012E, words(24 | 6)), rec(0x0A32, words(500, 500, 5, 6, 0, 0, 1000, 1000) + b"Caf\xe9\x80" +
                                          b"\0" + words(100, 100, 100, 100, 100)),
        rec(0x012E, words(1)), rec(0x0521, words(3) + b"abc\0" + words(200, 200)),
        rec(0x02FB, words(150, 40, 900, 900, 400, 0x0001, 1, 0) + b"Times New Roman\0"),
        rec(0x012D, words(1)), rec(0x0A32, words(800, 100, 4, 0) + b"\x93Hi\x94")),
    "bitmaps.wmf": wmf(
        rec(0x020C, words(1000, 1000)),
        rec(0x0F43, words(0x20, 0xCC, 0, 2, 2, 0, 0, 500, 500, 0, 0) +
            dib(2, 2, 24, b"\xff\0\0\xff\0\0\0\0\0\xff\0\0\xff\0\0\0")),
        rec(0x0940, words(0x20, 0xCC, 0, 0, 2, 8, 500, 500) +
            dib(8, 2, 1, b"\xaa\0\0\0\x55\0\0\0", palette=b"\0\0\0\0\xff\xff\xff\0")),
        rec(0x0B41, words(0x20, 0xCC, 1, 2, 0, 0, 300, 300, 600, 600) +
            dib(2, 1, 8, b"\0\1\0\0", palette=b"\0\0\xff\0\0\xff\0\0")),
        rec(0x0142, words(5, 0) + dib(2, 2, 4, b"\x01\0\0\0\x10\0\0\0", palette=b"\0\0\0\0\xff\0\0\0")),
        rec(0x012D, words(0)), rec(0x061D, words(0x21, 0xF0, 100, 100, 0, 0)),
        rec(0x0B41, words(0x62, 0xFF, 1, 1, 0, 0, 0, 50, 50, 0, 0))),
    "truncated.wmf": wmf(rec(0x020C, words(1000, 1000)), rec(0x041B, words(9, 9, 1, 1)))[:-9],
    "no-end.wmf": wmf(rec(0x020C, words(1000, 1000)), end=False),
    "zero-size.wmf": wmf(struct.pack("<IH", 0, 0x041B)),
    "oversized-polygon.wmf": wmf(rec(0x0324, words(30000, 0, 0, 10, 10))),
    "oversized-bitmap.wmf": wmf(rec(0x0F43, words(0x20, 0xCC, 0, 1, 1, 0, 0, 10, 10, 0, 0) +
                                    struct.pack("<IiiHH", 40, 0x4000, 0x4000, 1, 32) + b"\0" * 24)),
    "bad-magic.wmf": b"\xd7\xcd\xc6\x9b" + wmf()[4:],
    # Text under a mapping that stretches one axis thousands of times more than the other: glyphs
    # thousands of pixels wide and about one high (on screen, on paper), tall and thin, sheared, or
    # huge. The first three brought the glyph cache down.
    "distorted-text.wmf": page(rec(0x0103, words(8)), rec(0x020C, words(3000, 2)), *font_text(-4)),
    "distorted-text-paper.wmf": wmf(rec(0x0103, words(8)), rec(0x020C, words(3000, 2)), *font_text(-12)),
    "distorted-text-wide-font.wmf": page(*font_text(1, width=32767)),
    "distorted-text-tall.wmf": page(rec(0x0103, words(8)), rec(0x020C, words(2, 3000)), *font_text(-4)),
    "distorted-text-sheared.wmf": page(rec(0x0103, words(8)), rec(0x020C, words(3000, 2)),
                                       *font_text(-4, escapement=450)),
    "distorted-text-huge.wmf": page(rec(0x020C, words(1, 1)), *font_text(-120)),
    "no-placeable.wmf": header() + rec(0x020B, words(0, 0)) + rec(0x020C, words(200, 100)) +
                        rec(0x041B, words(50, 50, 0, 0)) + rec(0),
}

os.makedirs(OUT, exist_ok=True)
for name, data in SEEDS.items():
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)
print(f"{len(SEEDS)} seeds in {OUT}")
