#!/usr/bin/env python3
"""Checks the generated content in data/: names, sizes, formats, the question
set layout, the metafiles (also read by libwmf's wmf2svg) and that the Key Facts
pages carry every answer of their topic.

Usage: check-content.py [DATA_DIR]     (default: data/ beside tests/)
Needs python3 and wmf2svg (Debian package libwmf-bin). Exit status 0 = pass.
"""
import hashlib
import math
import os
import re
import struct
import subprocess
import sys
import tempfile

DATA = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
passed, failed = 0, 0


def check(name, ok, detail=""):
    global passed, failed
    if ok:
        passed += 1
    else:
        failed += 1
        print(f"FAIL {name}{': ' + detail if detail else ''}")


def read(rel):
    path = os.path.join(DATA, rel)
    if not os.path.isfile(path):
        check(rel, False, "missing")
        return None
    return open(path, "rb").read()


# --- pictures ---------------------------------------------------------------

def jpeg_size(b):
    if b[:3] != b"\xff\xd8\xff":
        return None
    p = 2
    while p + 9 < len(b):
        if b[p] != 0xFF:
            return None
        marker, length = b[p + 1], struct.unpack(">H", b[p + 2:p + 4])[0]
        if marker in (0xC0, 0xC1, 0xC2):
            h, w = struct.unpack(">HH", b[p + 5:p + 9])
            return w, h
        p += 2 + length
    return None


PICTURES = {"london": (313, 304), "lunarmodule": (800, 638), "vercingetorix": (789, 541),
            "lunarmodulesm": (324, 244), "caesarsm": (57, 41), "saturnv2": (218, 354),
            "service": (242, 242), "lunarmodule2": (217, 244), "splashdown": (244, 167),
            "caesar2": (150, 272)}
for name, size in PICTURES.items():
    b = read(f"Images/{name}.jpg")
    if b is not None:
        check(f"Images/{name}.jpg is a JPEG of {size[0]}x{size[1]}", jpeg_size(b) == size, str(jpeg_size(b)))

b = read("logo/lumenda2.bmp")
if b is not None:
    ok = b[:2] == b"BM" and struct.unpack("<I", b[14:18])[0] >= 40
    w, h, planes, bpp, comp = struct.unpack("<iiHHI", b[18:34]) if ok else (0, 0, 0, 0, 0)
    check("logo/lumenda2.bmp is a 120x89 uncompressed bitmap", ok and (w, abs(h)) == (120, 89) and comp == 0,
          f"{w}x{h} {bpp} bit, compression {comp}")
frames = []
for i in range(20):
    b = read(f"logo/lume{i:04d}.gif")
    if b is not None:
        check(f"logo/lume{i:04d}.gif is a 120x120 GIF",
              b[:6] in (b"GIF87a", b"GIF89a") and struct.unpack("<HH", b[6:10]) == (120, 120))
        frames.append(b)
check("logo frames all differ (the animation moves)", len(set(frames)) == 20)

# --- sounds -----------------------------------------------------------------

def wav_info(b):
    """(channels, rate, bits, seconds, peak) of a PCM WAV, or None."""
    if b[:4] != b"RIFF" or b[8:12] != b"WAVE":
        return None
    p, fmt, data = 12, None, None
    while p + 8 <= len(b):
        cid, n = b[p:p + 4], struct.unpack("<I", b[p + 4:p + 8])[0]
        if cid == b"fmt ":
            fmt = struct.unpack("<HHIIHH", b[p + 8:p + 24])
        elif cid == b"data":
            data = b[p + 8:p + 8 + n]
        p += 8 + n + (n & 1)
    if not fmt or data is None or fmt[0] != 1 or fmt[5] != 16:
        return None
    samples = struct.unpack("<%dh" % (len(data) // 2), data[:len(data) // 2 * 2])
    peak = max(abs(s) for s in samples) if samples else 0
    return fmt[1], fmt[2], fmt[5], len(samples) / fmt[1] / fmt[2], peak


CELEBRATIONS = ["fanf2", "fanf3", "crowd", "cheer2", "klaxon", "flute", "gong", "clap2",
                "drumroll", "laser2", "whizz", "clap3", "clown"]
peaks, digests = {}, set()
for name in ["click", "typekey", "thud3"] + CELEBRATIONS:
    b = read(f"wav/{name}.wav")
    if b is None:
        continue
    info = wav_info(b)
    check(f"wav/{name}.wav is 16-bit PCM at 22050 or 44100 Hz", info is not None and info[1] in (22050, 44100))
    if info is None:
        continue
    ch, rate, bits, secs, peak = info
    check(f"wav/{name}.wav does not clip", peak < 32767)
    if name in ("click", "typekey"):
        check(f"wav/{name}.wav is shorter than 0.1 s", secs < 0.1, f"{secs:.3f} s")
    elif name == "thud3":
        check("wav/thud3.wav is short and soft", secs < 1 and peak < 0.8 * 32768, f"{secs:.2f} s")
    else:
        check(f"wav/{name}.wav lasts 1 to 4 s", 1 <= secs <= 4, f"{secs:.2f} s")
        peaks[name] = 20 * math.log10(max(peak, 1) / 32768)
        digests.add(hashlib.sha1(b).hexdigest())
if peaks:
    spread = max(peaks.values()) - min(peaks.values())
    check("celebrations are normalised to one peak level", spread < 0.5, f"spread {spread:.2f} dB")
check("the thirteen celebrations are thirteen different sounds", len(digests) == len(CELEBRATIONS))

# --- page pictures ----------------------------------------------------------

def wmf_records(b):
    """Placeable header check and the record list [(function, params)], or a reason."""
    if b[:4] != b"\xd7\xcd\xc6\x9a":
        return "no placeable header magic"
    words = struct.unpack("<10H", b[:20])
    x = 0
    for w in words:
        x ^= w
    if x != struct.unpack("<H", b[20:22])[0]:
        return "placeable header checksum wrong"
    p = 22 + 18
    recs = []
    while p + 6 <= len(b):
        size, fn = struct.unpack("<IH", b[p:p + 6])
        if size < 3 or p + 2 * size > len(b):
            return f"record at {p} runs past the end"
        recs.append((fn, b[p + 6:p + 2 * size]))
        p += 2 * size
        if fn == 0:
            break
    if not recs or recs[-1][0] != 0:
        return "no end-of-file record"
    return recs


def wmf_texts(recs):
    """Texts and their colours, in drawing order."""
    out, colour = [], 0
    for fn, prm in recs:
        if fn == 0x0209:
            colour = struct.unpack("<I", prm[:4])[0]
        elif fn == 0x0A32:
            n = struct.unpack("<h", prm[4:6])[0]
            opts = struct.unpack("<H", prm[6:8])[0]
            start = 8 + (8 if opts & 0x0006 else 0)
            out.append((prm[start:start + n].decode("cp1252"), colour))
    return out


def luminance(c):
    r, g, b = c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF
    return (0.299 * r + 0.587 * g + 0.114 * b) / 255


PAGES = ["guide1", "guide2", "guide3", "guide4", "key moona", "key caesar", "moon", "caesar",
         "acknowledgments"]
page_text = {}
with tempfile.TemporaryDirectory() as tmp:
    for folder, light in (("wmf", True), ("wmf2", False)):
        for name in PAGES:
            rel = f"{folder}/{name}.wmf"
            b = read(rel)
            if b is None:
                continue
            recs = wmf_records(b)
            if isinstance(recs, str):
                check(f"{rel} is a placeable metafile", False, recs)
                continue
            left, top, right, bottom, inch = struct.unpack("<hhhhH", b[6:16])
            px = ((right - left) * 96 / inch, (bottom - top) * 96 / inch)
            check(f"{rel} is a page of 699x797 px", abs(px[0] - 699) < 1.5 and abs(px[1] - 797) < 1.5,
                  f"{px[0]:.1f}x{px[1]:.1f}")
            texts = wmf_texts(recs)
            check(f"{rel} keeps its text as text", len(texts) >= 5)
            if light:
                dark = [t for t, c in texts if luminance(c) < 0.6]
                check(f"{rel} has only light text for the blue screen", not dark, str(dark[:3]))
            else:
                pale = [t for t, c in texts if luminance(c) > 0.5]
                check(f"{rel} has only dark text for paper", not pale, str(pale[:3]))
            r = subprocess.run(["wmf2svg", "-o", os.path.join(tmp, "out.svg"), os.path.join(DATA, rel)],
                               capture_output=True)
            check(f"{rel} is read by wmf2svg", r.returncode == 0, r.stderr.decode(errors="replace")[:200])
            words = " ".join(t for t, _ in texts)
            page_text[(folder, name)] = re.sub(r"\s+([,.;:)])", r"\1", re.sub(r"\s+", " ", words))
    for name in PAGES:
        if ("wmf", name) in page_text and ("wmf2", name) in page_text:
            check(f"{name}.wmf says the same on screen and paper",
                  page_text[("wmf", name)] == page_text[("wmf2", name)])

# --- question sets ----------------------------------------------------------

UNDEFINED_1252 = {0x81, 0x8D, 0x8F, 0x90, 0x9D}


def question_set(rel, title):
    b = read(rel)
    if b is None:
        return []
    check(f"{rel}: only Windows-1252 characters", not any(c in UNDEFINED_1252 for c in b))
    check(f"{rel}: every line ends in CR LF", b.endswith(b"\r\n") and
          b.count(b"\n") == b.count(b"\r\n") and b.count(b"\r") == b.count(b"\r\n"))
    lines = b.decode("cp1252").split("\r\n")[:-1]
    check(f"{rel}: exactly 72 lines", len(lines) == 72, str(len(lines)))
    if len(lines) != 72:
        return []
    check(f"{rel}: title is {title!r}", lines[0].replace("&", ",") == title, lines[0])
    bad_spacers = [i + 1 for i in [1] + [8 + 7 * q for q in range(10)] if lines[i] != " "]
    check(f"{rel}: spacer lines hold one blank", not bad_spacers, str(bad_spacers))
    digits = [lines[7 + 7 * q] for q in range(10)]
    check(f"{rel}: answer digits are 1 to 4", all(d in ("1", "2", "3", "4") for d in digits), str(digits))
    check(f"{rel}: right answers spread over A to D", len(set(digits)) >= 3, str(digits))
    problems, rights = [], []
    for q in range(10):
        base = 2 + 7 * q
        texts = lines[base:base + 5]
        for k, t in enumerate(texts):
            limit = 60 if k == 0 else 30
            if not t or t[0] in ' "' or len(t) > limit:
                problems.append(f"line {base + k + 1}: {t!r}")
        if len(set(texts[1:])) != 4:
            problems.append(f"question {q + 1} repeats an answer")
        if digits[q] in ("1", "2", "3", "4"):
            rights.append((texts[0].replace("&", ","), texts[int(digits[q])].replace("&", ",")))
    check(f"{rel}: texts within the wizard's limits, none starting with a blank or quote, answers distinct",
          not problems, "; ".join(problems[:3]))
    return rights


def norm(s):
    return re.sub(r"^(the|a|an) ", "", s.lower().strip())


for setfile, title, page, timeline, labels in (
        ("The Moon Landings.txt", "The Moon Landings", "key moona",
         ["1957", "1961", "1968", "1969", "1970"],
         ["Saturn V", "Service Module", "Command Module", "Lunar Module", "splashed down"]),
        ("Julius Caesar.txt", "Julius Caesar", "key caesar",
         ["100 BC", "82 BC", "65 BC", "49 BC", "48 BC", "44 BC"],
         ["three places", "Venus", "Diana", "legion", "empire", "Roman", "CAESAR became FDHVDU"])):
    rights = question_set(f"multiple/{setfile}", title)
    facts = page_text.get(("wmf", page), "").lower()
    missing = [a for q, a in rights if len(a) > 1 and norm(a) not in facts]
    check(f"{page}.wmf teaches every right answer of {setfile}", facts and not missing, str(missing))
    missing = [t for t in timeline + labels if t.lower() not in facts]
    check(f"{page}.wmf teaches the ordering and labelling answers", facts and not missing, str(missing))

b = read("multiple/track.txt")
if b is not None:
    check("multiple/track.txt holds the empty index", b == b" 0 \r\n", repr(b))

print(f"content: {passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
