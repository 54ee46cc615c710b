#!/usr/bin/env python3
"""Checks the bundled content in DATA_DIR (default: data/ beside tests/) for what breaks the program:
a missing or unreadable picture or sound, a question set that would not load, a wrong encoding. The
page pictures are read by the program's own player in tst_pages."""
import io, os, sys, wave

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
    return b""


JPEG, BMP, GIF = (b"\xff\xd8\xff",), (b"BM",), (b"GIF87a", b"GIF89a")
PICTURES = "london londonsm lunarmodule vercingetorix lunarmodulesm caesarsm saturnv2 service lunarmodule2 splashdown caesar2"
for rel, magic in ([(f"Images/{n}.jpg", JPEG) for n in PICTURES.split()] + [("logo/lumenda2.bmp", BMP)]
                   + [(f"logo/lume{i:04d}.gif", GIF) for i in range(20)]):
    check(f"{rel} is a picture of its kind", read(rel).startswith(magic))


def wav_ok(b):
    """A 16-bit PCM WAV that holds samples, all that its header counts."""
    try:
        with wave.open(io.BytesIO(b)) as w:
            n, frame = w.getnframes(), w.getnchannels() * w.getsampwidth()
            return w.getsampwidth() == 2 and n > 0 and len(w.readframes(n)) == n * frame
    except (wave.Error, EOFError):
        return False


SOUNDS = "click typekey thud3 fanf2 fanf3 crowd cheer2 klaxon flute gong clap2 drumroll laser2 whizz clap3 clown"
for name in SOUNDS.split():
    check(f"wav/{name}.wav is a 16-bit PCM WAV", wav_ok(read(f"wav/{name}.wav")))


for title in ("The Moon Landings", "Julius Caesar"):
    rel, b = f"multiple/{title}.txt", read(f"multiple/{title}.txt")
    check(f"{rel}: only Windows-1252 characters, every line ended by CR LF", not set(b) & {0x81, 0x8D, 0x8F, 0x90, 0x9D}
          and b.endswith(b"\r\n") and b.count(b"\n") == b.count(b"\r") == b.count(b"\r\n"))
    lines = b.decode("cp1252", "replace").split("\r\n")[:-1]
    digits = [lines[7 + 7 * q] for q in range(10)] if len(lines) == 72 else []
    check(f"{rel}: 72 lines, titled {title!r}", len(lines) == 72 and lines[0] == title, f"{len(lines)} lines")
    check(f"{rel}: right answers 1 to 4", len(digits) == 10 and set(digits) <= set("1234"), str(digits))
    check(f"{rel}: no line over 4096 characters", all(len(t) <= 4096 for t in lines))
check("multiple/track.txt holds the empty index", read("multiple/track.txt") == b" 0 \r\n")
print(f"content: {passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
