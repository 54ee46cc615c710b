#!/usr/bin/env python3
"""Expand the two directives our SVG drawings use, writing plain SVG.

Usage: svg-expand.py IN.svg OUT.svg

  <!--#include parts/NAME.svg-->   the file's text, so shared drawings (the
                                   lunar module, the Earth) are drawn once
  <!--#stars SEED N X0 Y0 X1 Y1--> N small stars scattered over the box by a
                                   fixed pseudo-random sequence (same every run)
"""
import os
import re
import sys


def stars(seed, n, x0, y0, x1, y1):
    state = seed
    out = []

    def rnd():
        nonlocal state
        state = (state * 1103515245 + 12345) % 2147483648
        return state / 2147483648

    for _ in range(n):
        x = x0 + rnd() * (x1 - x0)
        y = y0 + rnd() * (y1 - y0)
        r = 0.6 + rnd() * rnd() * 1.8
        shade = ("#ffffff", "#fff6d0", "#dfe8ff")[int(rnd() * 3)]
        out.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{r:.2f}" fill="{shade}"/>')
    return "\n".join(out)


def expand(text, base):
    text = re.sub(r"<!--#include (\S+)-->",
                  lambda m: expand(open(os.path.join(base, m.group(1)), encoding="utf-8").read(), base),
                  text)
    return re.sub(r"<!--#stars ([-\d. ]+)-->",
                  lambda m: stars(*[int(float(v)) for v in m.group(1).split()]), text)


def main():
    src, dst = sys.argv[1], sys.argv[2]
    text = open(src, encoding="utf-8").read()
    with open(dst, "w", encoding="utf-8") as f:
        f.write(expand(text, os.path.dirname(os.path.abspath(src))))


if __name__ == "__main__":
    main()
