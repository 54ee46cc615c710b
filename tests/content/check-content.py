#!/usr/bin/env python3
"""Checks the bundled content in data/: picture and sound formats and sizes, the page pictures (also
read by libwmf's wmf2svg), the question set layout, and that the Key Facts pages teach every answer.

Usage: check-content.py [DATA_DIR]     (default: data/ beside tests/). Needs wmf2svg (libwmf-bin).
"""
import functools, hashlib, math, operator, os, re, struct, subprocess, sys, tempfile

DATA = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../data")
passed, failed = 0, 0


def check(name, ok, detail=""):
    global passed, failed
    passed, failed = passed + bool(ok), failed + (not ok)
    if not ok:
        print(f"FAIL {name}{': ' + detail if detail else ''}")


def read(rel):
    path = os.path.join(DATA, rel)
    if os.path.isfile(path):
        return open(path, "rb").read()
    check(rel, False, "missing")


def jpeg_size(b):
    p = 2
    while b[:3] == b"\xff\xd8\xff" and p + 9 < len(b) and b[p] == 0xFF:
        if b[p + 1] in (0xC0, 0xC1, 0xC2):
            return struct.unpack(">HH", b[p + 5:p + 9])[::-1]
        p += 2 + struct.unpack(">H", b[p + 2:p + 4])[0]


PICTURES = {"london": (313, 304), "lunarmodule": (800, 638), "vercingetorix": (789, 541),
            "lunarmodulesm": (324, 244), "caesarsm": (57, 41), "saturnv2": (218, 354),
            "service": (242, 242), "lunarmodule2": (217, 244), "splashdown": (244, 167), "caesar2": (150, 272)}
for name, size in PICTURES.items():
    b = read(f"Images/{name}.jpg")
    if b is not None:
        check(f"Images/{name}.jpg is a JPEG of {size}", jpeg_size(b) == size, str(jpeg_size(b)))
b = read("logo/lumenda2.bmp")
if b is not None:
    w, h, _, bpp, comp = struct.unpack("<iiHHI", b[18:34])
    check("logo/lumenda2.bmp is a 120x89 uncompressed bitmap",
          b[:2] == b"BM" and (w, abs(h), comp) == (120, 89, 0), f"{w}x{h} {bpp} bit, compression {comp}")
frames = [read(f"logo/lume{i:04d}.gif") for i in range(20)]
for i, b in enumerate(frames):
    check(f"logo frame {i} is a 120x120 GIF", b and b[:6] in (b"GIF87a", b"GIF89a") and b[6:10] == b"\x78\0\x78\0")
check("logo frames all differ (the animation moves)", len(set(frames)) == 20)


def wav_info(b):
    """(rate, seconds, peak) of a 16-bit PCM WAV, or None."""
    p, fmt, data = 12, None, None
    while b[:4] == b"RIFF" and b[8:12] == b"WAVE" and p + 8 <= len(b):
        cid, n = b[p:p + 4], struct.unpack("<I", b[p + 4:p + 8])[0]
        fmt = struct.unpack("<HHIIHH", b[p + 8:p + 24]) if cid == b"fmt " else fmt
        data = b[p + 8:p + 8 + n] if cid == b"data" else data
        p += 8 + n + (n & 1)
    if fmt and data is not None and fmt[0] == 1 and fmt[5] == 16:
        samples = struct.unpack("<%dh" % (len(data) // 2), data[:len(data) // 2 * 2])
        return fmt[2], len(samples) / fmt[1] / fmt[2], max(map(abs, samples), default=0)


CELEBRATIONS = "fanf2 fanf3 crowd cheer2 klaxon flute gong clap2 drumroll laser2 whizz clap3 clown".split()
peaks, digests = {}, set()
for name in ["click", "typekey", "thud3"] + CELEBRATIONS:
    b = read(f"wav/{name}.wav")
    info = b and wav_info(b)
    check(f"wav/{name}.wav is 16-bit PCM at 22050 or 44100 Hz", info and info[0] in (22050, 44100))
    if not info:
        continue
    _, secs, peak = info
    check(f"wav/{name}.wav does not clip", peak < 32767)
    if name in ("click", "typekey"):
        check(f"wav/{name}.wav is shorter than 0.1 s", secs < 0.1, f"{secs:.3f} s")
    elif name == "thud3":
        check("wav/thud3.wav is short and soft", secs < 1 and peak < 0.8 * 32768, f"{secs:.2f} s")
    else:
        check(f"wav/{name}.wav lasts 1 to 4 s", 1 <= secs <= 4, f"{secs:.2f} s")
        peaks[name] = 20 * math.log10(max(peak, 1) / 32768)
        digests.add(hashlib.sha1(b).hexdigest())
spread = max(peaks.values(), default=0) - min(peaks.values(), default=0)
check("celebrations are normalised to one peak level", spread < 0.5, f"spread {spread:.2f} dB")
check("the thirteen celebrations are thirteen different sounds", len(digests) == len(CELEBRATIONS))


def wmf_texts(b):
    """The texts and their colours in drawing order, or the reason the file is no placeable metafile."""
    if len(b) < 40:
        return "too short"
    checksum = functools.reduce(operator.xor, struct.unpack("<10H", b[:20]))
    if b[:4] != b"\xd7\xcd\xc6\x9a" or b[20:22] != struct.pack("<H", checksum):
        return "no placeable header, or its checksum is wrong"
    p, out, colour = 40, [], 0
    while p + 6 <= len(b):
        size, fn = struct.unpack("<IH", b[p:p + 6])
        prm = b[p + 6:p + 2 * size]
        if size < 3 or p + 2 * size > len(b):
            return f"record at {p} runs past the end"
        if fn == 0:
            return out
        colour = struct.unpack("<I", prm[:4])[0] if fn == 0x0209 else colour
        if fn == 0x0A32:
            n, opts = struct.unpack("<hH", prm[4:8])
            start = 8 + (8 if opts & 0x0006 else 0)
            out.append((prm[start:start + n].decode("cp1252"), colour))
        p += 2 * size
    return "no end-of-file record"


def luminance(c):
    return (0.299 * (c & 0xFF) + 0.587 * ((c >> 8) & 0xFF) + 0.114 * ((c >> 16) & 0xFF)) / 255


PAGES = ["guide1", "guide2", "guide3", "guide4", "key moona", "key caesar", "moon", "caesar", "acknowledgments"]
page_text = {}
with tempfile.TemporaryDirectory() as tmp:
    for folder, name in [(f, n) for f in ("wmf", "wmf2") for n in PAGES]:
        rel = f"{folder}/{name}.wmf"
        b = read(rel)
        texts = b and wmf_texts(b)
        if not isinstance(texts, list):
            check(f"{rel} is a placeable metafile", False, str(texts))
            continue
        left, top, right, bottom, inch = struct.unpack("<hhhhH", b[6:16])
        w, h = (right - left) * 96 / inch, (bottom - top) * 96 / inch
        check(f"{rel} is a page of 699x797 px", abs(w - 699) < 1.5 and abs(h - 797) < 1.5, f"{w:.1f}x{h:.1f}")
        check(f"{rel} keeps its text as text", len(texts) >= 5)
        # Light text for the blue screen (wmf), dark text for paper (wmf2).
        wrong = [t for t, c in texts if (luminance(c) < 0.6 if folder == "wmf" else luminance(c) > 0.5)]
        check(f"{rel} has text that shows on its background", not wrong, str(wrong[:3]))
        r = subprocess.run(["wmf2svg", "-o", os.path.join(tmp, "out.svg"), os.path.join(DATA, rel)],
                           capture_output=True)
        check(f"{rel} is read by wmf2svg", r.returncode == 0, r.stderr.decode(errors="replace")[:200])
        words = re.sub(r"\s+", " ", " ".join(t for t, _ in texts))
        page_text[(folder, name)] = re.sub(r"\s+([,.;:)])", r"\1", words)
for name in PAGES:
    same = page_text.get(("wmf", name)) == page_text.get(("wmf2", name))
    check(f"{name}.wmf says the same on screen and paper", same)


def question_set(rel, title):
    """Checks the layout; returns (question, right answer) pairs."""
    b = read(rel) or b""
    check(f"{rel}: only Windows-1252 characters", not set(b) & {0x81, 0x8D, 0x8F, 0x90, 0x9D})
    check(f"{rel}: every line ends in CR LF",
          b.endswith(b"\r\n") and b.count(b"\n") == b.count(b"\r") == b.count(b"\r\n"))
    lines = b.decode("cp1252").split("\r\n")[:-1]
    check(f"{rel}: exactly 72 lines", len(lines) == 72, str(len(lines)))
    if len(lines) != 72:
        return []
    check(f"{rel}: title is {title!r}", lines[0].replace("&", ",") == title, lines[0])
    spacers = [lines[i] for i in [1] + [8 + 7 * q for q in range(10)]]
    check(f"{rel}: spacer lines hold one blank", spacers == [" "] * 11)
    digits = [lines[7 + 7 * q] for q in range(10)]
    check(f"{rel}: answer digits are 1 to 4", set(digits) <= {"1", "2", "3", "4"}, str(digits))
    check(f"{rel}: right answers spread over A to D", len(set(digits)) >= 3, str(digits))
    problems, rights = [], []
    for q in range(10):
        texts = lines[2 + 7 * q:7 + 7 * q]
        problems += [t for k, t in enumerate(texts) if not t or t[0] in ' "' or len(t) > (30 if k else 60)]
        problems += [f"question {q + 1} repeats an answer"] if len(set(texts[1:])) != 4 else []
        if digits[q] in "1234":
            rights.append(texts[int(digits[q])].replace("&", ","))
    check(f"{rel}: texts within the wizard's limits, none starting with a blank or quote, answers distinct",
          not problems, "; ".join(map(repr, problems[:3])))
    return rights


for setfile, page, answers in (
        ("The Moon Landings", "key moona", ["1957", "1961", "1968", "1969", "1970", "Saturn V", "Service Module",
                                            "Command Module", "Lunar Module", "splashed down"]),
        ("Julius Caesar", "key caesar", ["100 BC", "82 BC", "65 BC", "49 BC", "48 BC", "44 BC", "three places",
                                         "Venus", "Diana", "legion", "empire", "Roman", "CAESAR became FDHVDU"])):
    rights = question_set(f"multiple/{setfile}.txt", setfile)
    facts = page_text.get(("wmf", page), "").lower()
    missing = [a for a in rights if len(a) > 1 and re.sub(r"^(the|a|an) ", "", a.lower().strip()) not in facts]
    check(f"{page}.wmf teaches every right answer of {setfile}", facts and not missing, str(missing))
    missing = [t for t in answers if t.lower() not in facts]
    check(f"{page}.wmf teaches the ordering and labelling answers", facts and not missing, str(missing))

check("multiple/track.txt holds the empty index", read("multiple/track.txt") == b" 0 \r\n")
print(f"content: {passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
