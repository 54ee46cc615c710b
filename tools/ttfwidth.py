"""Advance widths of a TrueType font, enough to wrap lines of page text.

Reads only the tables it needs (head, hhea, hmtx, cmap format 4) so the page
tool works with nothing beyond Python and the fonts installed on the system.
Kerning is ignored; lines are wrapped with a small margin to allow for it.
"""
import struct


class Font:
    def __init__(self, path):
        data = open(path, "rb").read()
        num = struct.unpack(">H", data[4:6])[0]
        tables = {}
        for i in range(num):
            tag, _, off, length = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
            tables[tag.decode("latin-1")] = (off, length)
        self.units = struct.unpack(">H", data[tables["head"][0] + 18:][:2])[0]
        nh = struct.unpack(">H", data[tables["hhea"][0] + 34:][:2])[0]
        hm = tables["hmtx"][0]
        self.advance = [struct.unpack(">H", data[hm + 4 * i:hm + 4 * i + 2])[0] for i in range(nh)]
        self.glyph = self._cmap(data, tables["cmap"][0])

    @staticmethod
    def _cmap(data, base):
        count = struct.unpack(">H", data[base + 2:base + 4])[0]
        for i in range(count):
            pid, eid, off = struct.unpack(">HHI", data[base + 4 + 8 * i:base + 12 + 8 * i])
            sub = base + off
            if (pid, eid) == (3, 1) and struct.unpack(">H", data[sub:sub + 2])[0] == 4:
                break
        else:
            raise ValueError("font has no Unicode BMP character map")
        segx2 = struct.unpack(">H", data[sub + 6:sub + 8])[0]
        seg = segx2 // 2
        arr = lambda start: struct.unpack(">%dH" % seg, data[start:start + segx2])
        ends = arr(sub + 14)
        starts = arr(sub + 16 + segx2)
        deltas = arr(sub + 16 + 2 * segx2)
        ro_base = sub + 16 + 3 * segx2
        ranges = arr(ro_base)
        table = {}
        for k in range(seg):
            for c in range(starts[k], min(ends[k], 0x24FF) + 1):
                if ranges[k] == 0:
                    g = (c + deltas[k]) & 0xFFFF
                else:
                    at = ro_base + 2 * k + ranges[k] + 2 * (c - starts[k])
                    g = struct.unpack(">H", data[at:at + 2])[0]
                    g = (g + deltas[k]) & 0xFFFF if g else 0
                table[c] = g
        return table

    def width(self, text, size):
        adv = self.advance
        total = 0
        for ch in text:
            g = self.glyph.get(ord(ch), 0)
            total += adv[min(g, len(adv) - 1)]
        return total * size / self.units
