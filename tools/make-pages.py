#!/usr/bin/env python3
"""Lay out the page pictures (key facts, notes, guide, acknowledgments) as SVG.

Usage: make-pages.py OUTDIR PAGE.txt...

Each page source gives its text once; this tool writes it twice, as
OUTDIR/screen/<name>.svg (light text on nothing, for the blue screen) and
OUTDIR/paper/<name>.svg (dark text, for the printer), so the two can never
say different things. Text stays real SVG text, one <text> per line run, in
Liberation Sans, and lines are wrapped here from the font's own widths.

Source lines ("key: value"):
  file: output name without .wmf     size: body text size in px
  columns: 1 or 2                    free: x0 y0 x1 y1 (area kept empty)
  title: / sub: / h: / p: / - (bullet) / col: (next column) / space: px
  pair: left || right (two short cells side by side)
  answers: question source (writes "1 B  answer" lines from it)
  **bold** marks a bold run inside a line; [label] is a coloured label.
"""
import os
import re
import sys
from xml.sax.saxutils import escape

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import ttfwidth  # noqa: E402

FONT_DIR = "/usr/share/fonts/truetype/liberation/"
FONTS = {False: ttfwidth.Font(FONT_DIR + "LiberationSans-Regular.ttf"),
         True: ttfwidth.Font(FONT_DIR + "LiberationSans-Bold.ttf")}
W, H = 699, 797
MARGIN = 28
SCREEN_VISIBLE = 520   # below this the screen's button row and window edge hide the page

SCHEMES = {
    "screen": {"title": "#ffff00", "sub": "#ffffff", "head": "#80ffff", "text": "#ffffff",
               "lead": "#ffe066", "rule": "#ffcc00", "bullet": "#ffcc00"},
    "paper": {"title": "#14306e", "sub": "#333333", "head": "#8a2a0a", "text": "#000000",
              "lead": "#14306e", "rule": "#c8960c", "bullet": "#8a2a0a"},
}


def runs_of(text):
    """Split '[label] plain **bold**, plain' into words; a word is a list of
    (text, style) pieces, so that "**Sputnik**," keeps its comma attached.
    Styles: "text", "bold" and "lead" (a coloured label, such as a fact's date)."""
    words = []
    glue = False
    for i, part in enumerate(re.split(r"(\*\*[^*]+\*\*|\[[^\]]+\])", text)):
        if not part:
            continue
        style = "text"
        if part.startswith("**"):
            style, part = "bold", part[2:-2]
        elif part.startswith("["):
            style, part = "lead", part[1:-1]
        pieces = part.split()
        if glue and not part[0].isspace() and words and pieces:
            words[-1].append((pieces.pop(0), style))
        words += [[(w, style)] for w in pieces]
        glue = not part[-1].isspace()
    return words


def piece_width(text, style, size):
    return FONTS[style != "text"].width(text, size)


def word_width(word, size):
    return sum(piece_width(t, st, size) for t, st in word)


def wrap(words, size, width):
    lines, line, used = [], [], 0.0
    space = FONTS[False].width(" ", size)
    for w in words:
        ww = word_width(w, size)
        need = ww if not line else used + space + ww
        if line and need > width * 0.97:
            lines.append(line)
            line, used = [w], ww
        else:
            line.append(w)
            used = need
    if line:
        lines.append(line)
    return lines


def answers_lines(path):
    out, q, letters = [], None, "ABCD"
    for raw in open(path, encoding="utf-8"):
        s = raw.strip()
        if s.startswith("Q:"):
            q = [s[2:].strip(), []]
            out.append(q)
        elif s[:2] in ("* ", "- ") and q:
            q[1].append((s[2:].strip(), s[0] == "*"))
    cells = []
    for n, (text, ans) in enumerate(out, 1):
        k = [ok for _, ok in ans].index(True)
        cells.append(f"[{n}. {letters[k]}] {ans[k][0]}")
    half = (len(cells) + 1) // 2
    return [cells[i] + " || " + (cells[i + half] if i + half < len(cells) else "")
            for i in range(half)]


class Page:
    def __init__(self, src):
        self.src = src
        self.name = None
        self.size = 15
        self.columns = 1
        self.free = None
        self.items = []
        base = os.path.dirname(src)
        for raw in open(src, encoding="utf-8"):
            line = raw.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            key, _, val = line.partition(":") if not line.startswith("- ") else ("-", "", line[2:])
            val = val.strip()
            if key == "file":
                self.name = val
            elif key == "size":
                self.size = float(val)
            elif key == "columns":
                self.columns = int(val)
            elif key == "free":
                self.free = [float(v) for v in val.split()]
            elif key == "answers":
                for a in answers_lines(os.path.join(base, val)):
                    self.items.append(("pair", a))
            elif key in ("title", "sub", "h", "p", "-", "col", "space", "note", "pair"):
                self.items.append((key, val))
            else:
                sys.exit(f"make-pages: {src}: unknown line: {line}")
        if not self.name:
            sys.exit(f"make-pages: {src}: no 'file:' line")

    def layout(self):
        """Return drawing ops [(kind, ...)] in page coordinates, and the lowest y used."""
        ops = []
        s = self.size
        lead = round(s * 1.3)
        gap = 14
        colw = (W - 2 * MARGIN - gap * (self.columns - 1)) / self.columns
        x0 = MARGIN
        y = MARGIN
        top_of_cols = None
        lowest = 0

        def width_at(x, y, w):
            f = self.free
            if f and y + 4 > f[1] - lead and y - lead < f[3] and x + w > f[0] - 10:
                return f[0] - 10 - x
            return w

        def text_lines(words, size, x, indent, colour_key, bold_all=False, width=None):
            nonlocal y
            space = FONTS[False].width(" ", size)
            while words:
                w = width_at(x + indent, y + size, (width or colw) - indent)
                ln = wrap(words, size, w)[0]
                words = words[len(ln):]
                y += round(size * 1.3)
                # Runs of one style; a run's text keeps its inner spaces.
                runs = []
                for k, word in enumerate(ln):
                    for j, (t, st) in enumerate(word):
                        if bold_all:
                            st = "bold"
                        sep = " " if (j == 0 and k > 0) else ""
                        if runs and runs[-1][1] == st:
                            runs[-1][0] += sep + t
                        else:
                            runs.append([t, st, sep])
                cx = x + indent
                for t, st, sep in runs:
                    if sep:
                        cx += space
                    key = "lead" if st == "lead" else colour_key
                    ops.append(("text", cx, y, size, st != "text", key, t))
                    cx += piece_width(t, st, size)

        for kind, val in self.items:
            if kind == "title":
                y += 4
                text_lines(runs_of(val), 27, x0, 0, "title", bold_all=True, width=W - 2 * MARGIN)
                y += 9
                ops.append(("rect", MARGIN, y, W - 2 * MARGIN, 3, "rule"))
                y += 6
                top_of_cols = y
            elif kind == "sub":
                text_lines(runs_of(val), s + 1, x0, 0, "sub", width=W - 2 * MARGIN)
                y += 4
                top_of_cols = y
            elif kind == "h":
                y += 7
                text_lines(runs_of(val), s + 2, x0, 0, "head", bold_all=True)
                y += 2
            elif kind == "p":
                text_lines(runs_of(val), s, x0, 0, "text")
                y += round(s * 0.35)
            elif kind == "note":
                text_lines(runs_of(val), s - 2, x0, 0, "sub")
                y += round(s * 0.3)
            elif kind == "-":
                ops.append(("dot", x0 + 5, y + round(s * 1.3) - s * 0.33, s * 0.17, "bullet"))
                text_lines(runs_of(val), s, x0, round(s * 1.0), "text")
                y += round(s * 0.3)
            elif kind == "pair":
                left, _, right = val.partition("||")
                y0 = y
                text_lines(runs_of(left), s, x0, 0, "text", width=colw / 2)
                y1, y = y, y0
                text_lines(runs_of(right), s, x0 + colw / 2, 0, "text", width=colw / 2)
                y = max(y, y1) + round(s * 0.15)
            elif kind == "space":
                y += float(val)
            elif kind == "col":
                lowest = max(lowest, y)
                x0 += colw + gap
                y = top_of_cols if top_of_cols is not None else MARGIN
            lowest = max(lowest, y)
        return ops, lowest

    def svg(self, scheme, ops):
        c = SCHEMES[scheme]
        out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
               f'viewBox="0 0 {W} {H}">']
        for op in ops:
            if op[0] == "text":
                _, x, y, size, bold, key, t = op
                weight = "bold" if bold else "normal"
                out.append(f'<text x="{x:.1f}" y="{y:.1f}" style="font-family:\'Liberation Sans\';'
                           f'font-size:{size:g}px;font-weight:{weight};fill:{c[key]}">{escape(t)}</text>')
            elif op[0] == "rect":
                _, x, y, w, h, key = op
                out.append(f'<rect x="{x:.1f}" y="{y:.1f}" width="{w:.1f}" height="{h:.1f}" fill="{c[key]}"/>')
            elif op[0] == "dot":
                _, x, y, r, key = op
                out.append(f'<rect x="{x - r:.1f}" y="{y - r:.1f}" width="{2 * r:.1f}" height="{2 * r:.1f}" fill="{c[key]}"/>')
        out.append("</svg>\n")
        return "\n".join(out)


def main():
    outdir, sources = sys.argv[1], sys.argv[2:]
    for scheme in SCHEMES:
        os.makedirs(os.path.join(outdir, scheme), exist_ok=True)
    for src in sources:
        page = Page(src)
        ops, lowest = page.layout()
        if lowest > H - 12:
            sys.exit(f"make-pages: {src}: text runs off the page (to y={lowest:.0f})")
        note = "" if lowest <= SCREEN_VISIBLE else f"  (below y={SCREEN_VISIBLE}: on paper only)"
        print(f"{page.name}: text down to y={lowest:.0f}{note}")
        for scheme in SCHEMES:
            with open(os.path.join(outdir, scheme, page.name + ".svg"), "w", encoding="utf-8") as f:
                f.write(page.svg(scheme, ops))


if __name__ == "__main__":
    main()
