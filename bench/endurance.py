"""Endurance run: the release game in a private Xvfb for a number of minutes
(10 by default) while a bot holds random arrow keys, sampling its resident
memory and CPU use once a minute. Memory may not grow by more than 256 KB
after the first minute.

Usage: endurance.py zelvanor [minutes]
"""

import os
import random
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests",
                                "e2e"))
from Xlib import X  # noqa: E402
from Xlib.ext import xtest  # noqa: E402
from x_session import game_window, xvfb  # noqa: E402

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
ALLOWED_GROWTH_KB = 256


def sample(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    cpu = (int(fields[11]) + int(fields[12])) / CLOCK_TICKS
    with open("/proc/%d/status" % pid) as f:
        rss = next(int(line.split()[1]) for line in f
                   if line.startswith("VmRSS:"))
    return time.monotonic(), cpu, rss


def main():
    game = sys.argv[1]
    minutes = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    bot = random.Random(7)
    with xvfb() as display:
        window = game_window([game], display)
        x = window.x
        codes = [x.keysym_to_keycode(x_keysym) for x_keysym in
                 (0xFF51, 0xFF53, 0xFF52, 0xFF54)]  # the arrow keysyms
        try:
            window.focus()
            samples = [sample(window.process.pid)]
            held = set()
            next_sample = samples[0][0] + 60
            while len(samples) <= minutes:
                # Press or release one random arrow every 50 to 500 ms.
                code = bot.choice(codes)
                kind = X.KeyRelease if code in held else X.KeyPress
                xtest.fake_input(x, kind, code)
                (held.discard if kind == X.KeyRelease else held.add)(code)
                x.sync()
                time.sleep(bot.uniform(0.05, 0.5))
                if time.monotonic() >= next_sample:
                    samples.append(sample(window.process.pid))
                    next_sample += 60
                    if window.process.poll() is not None:
                        sys.exit("the game ended")
            for code in held:
                xtest.fake_input(x, X.KeyRelease, code)
            x.sync()
        finally:
            window.stop()

    print("minute  rss_kb  cpu_pct_over_the_minute")
    for i, (t, cpu, rss) in enumerate(samples):
        if i == 0:
            print("%6d  %6d  -" % (i, rss))
        else:
            t0, cpu0, _ = samples[i - 1]
            print("%6d  %6d  %.2f" % (i, rss, 100 * (cpu - cpu0) / (t - t0)))
    growth = samples[-1][2] - samples[1][2]
    cpus = [100 * (b[1] - a[1]) / (b[0] - a[0])
            for a, b in zip(samples, samples[1:])]
    print("growth after the first minute: %d KB (allowed %d); CPU %.2f to "
          "%.2f %% of a core" % (growth, ALLOWED_GROWTH_KB, min(cpus),
                                 max(cpus)))
    if growth > ALLOWED_GROWTH_KB:
        sys.exit("memory grew by %d KB" % growth)


if __name__ == "__main__":
    main()
