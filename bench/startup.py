#!/usr/bin/env python3
"""Cold start until the first screen is painted: Tellwyn against a minimal Qt Widgets program.

Runs each program RUNS times in turn (interleaved, so load on the machine hits both alike) and
reports the median wall time and median peak memory of each, and their ratios.
Usage: bench/startup.py [BUILD_DIR] [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
env = dict(os.environ)
env.setdefault("QT_QPA_PLATFORM", "offscreen")

programs = {
    "tellwyn": [os.path.join(build, "tellwyn"), "--quit-after-first-paint"],
    "minimal": [os.path.join(build, "bench", "bench-minimal-window")],
    # Not the target's yardstick: what a first line of text adds to the minimal program.
    "text": [os.path.join(build, "bench", "bench-minimal-window"), "--text"],
    # Nor this: the title screen's texts, buttons and picture as plain Qt widgets.
    "title": [os.path.join(build, "bench", "bench-minimal-window"), "--title",
              os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "Images",
                           "lunarmodulesm.jpg")],
}


def once(cmd):
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{cmd[0]} exited with status {status}")
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0  # ms, MiB


samples = {name: [] for name in programs}
for name, cmd in programs.items():
    once(cmd)  # warm the file cache: "cold" here means a fresh process, not a cold disk
for _ in range(runs):
    for name, cmd in programs.items():
        samples[name].append(once(cmd))

med = {}
for name, rows in samples.items():
    t = statistics.median(r[0] for r in rows)
    m = statistics.median(r[1] for r in rows)
    med[name] = (t, m)
    print(f"{name:8s} median start {t:7.1f} ms   median peak memory {m:6.1f} MiB   ({runs} runs)")
# The difference is fixed cost of our own; the ratio weighs it more where Qt starts quicker.
print(f"ratio    time {med['tellwyn'][0] / med['minimal'][0]:.2f}x ({med['tellwyn'][0] - med['minimal'][0]:+.1f} ms)"
      f"   memory {med['tellwyn'][1] / med['minimal'][1]:.2f}x   (target: time at most 1.15x, memory at most 1.5x)")
for name, what in (("text", "one line of text"), ("title", "the title screen's content")):
    print(f"against the minimal program with {what}: time {med['tellwyn'][0] / med[name][0]:.2f}x"
          f" ({med['tellwyn'][0] - med[name][0]:+.1f} ms)")
