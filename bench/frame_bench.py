"""Frame benchmark: runs programs in a private Xvfb and reports, one line each,
how smoothly and how cheaply they show their frames.

Frames are observed from outside: a preloaded library (frame_probe.so)
timestamps every image the program sends to the X server. The first second
is left out as warm-up; then SECONDS of frames are measured. Each program runs
RUNS times and every figure is the median of its runs.

Usage: frame_bench.py --probe frame_probe.so --game zelvanor
                      [--baseline baseline] [--exe zelvanor.exe]
                      [--seconds 10] [--runs 3]
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests",
                                "e2e"))
from x_session import end_process, xvfb  # noqa: E402
import wine_prefix  # noqa: E402

PERIOD_MS = 1000 / 60
LATE_MS = 1.0
WARM_UP_S = 1.0
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
WINE = "/usr/lib/wine/wine64"


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def peak_resident_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def frames_from(path):
    """Frame times in seconds: images sent within 2 ms of each other (one
    present may send several rectangles) are one frame."""
    if not os.path.exists(path):
        return []
    with open(path) as f:
        stamps = sorted(int(line) / 1e9 for line in f if line.strip())
    frames = []
    for t in stamps:
        if not frames or t - frames[-1] > 0.002:
            frames.append(t)
    return frames


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(p / 100 * len(ordered)))]


def measure(command, env, probe, seconds):
    with tempfile.TemporaryDirectory() as scratch, xvfb() as display:
        stamps = os.path.join(scratch, "frames")
        environment = dict(os.environ, DISPLAY=display, LD_PRELOAD=probe,
                           FRAME_PROBE_OUT=stamps, **env)
        started = time.monotonic()
        process = subprocess.Popen(command, env=environment,
                                   stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            time.sleep(WARM_UP_S)
            cpu_before, wall_before = cpu_seconds(process.pid), time.monotonic()
            time.sleep(seconds)
            cpu_after, wall_after = cpu_seconds(process.pid), time.monotonic()
            peak = peak_resident_kb(process.pid)
            # The probe writes its stamps in batches; let the batch holding
            # the last measured frames be written before the program ends.
            time.sleep(1)
        finally:
            end_process(process, timeout=10)
        frames = frames_from(stamps)
    if len(frames) < 2:
        raise RuntimeError("%s showed no frames" % command[-1])
    measured = [t for t in frames if wall_before <= t <= wall_after]
    intervals = [(b - a) * 1000 for a, b in zip(measured, measured[1:])]
    # Frames counted in each whole second of the clock within the
    # measurement, as a frame counter on screen would count them.
    per_second = {}
    for t in measured:
        per_second[int(t)] = per_second.get(int(t), 0) + 1
    counts = [n for second, n in per_second.items()
              if measured[0] <= second and second + 1 <= measured[-1]]
    return {
        "frames": len(measured),
        "fps": (len(measured) - 1) / (measured[-1] - measured[0]),
        "busiest_second": max(counts, default=0),
        "seconds_over_60": sum(1 for n in counts if n > 60),
        "median_ms": statistics.median(intervals),
        "p95_ms": percentile(intervals, 95),
        "p99_ms": percentile(intervals, 99),
        "max_ms": max(intervals),
        "std_ms": statistics.pstdev(intervals),
        "late": sum(1 for i in intervals if i > PERIOD_MS + LATE_MS),
        "cpu_pct": 100 * (cpu_after - cpu_before) / (wall_after - wall_before),
        "peak_mb": peak / 1024,
        "first_frame_ms": (frames[0] - started) * 1000,
    }


FIELDS = [("frames", "%d"), ("fps", "%.3f"), ("busiest_second", "%d"),
          ("seconds_over_60", "%d"),
          ("median_ms", "%.2f"), ("p95_ms", "%.2f"), ("p99_ms", "%.2f"),
          ("max_ms", "%.2f"), ("std_ms", "%.3f"), ("late", "%d"),
          ("cpu_pct", "%.2f"), ("peak_mb", "%.1f"), ("first_frame_ms", "%.0f")]


def median_of(runs):
    return {name: statistics.median(run[name] for run in runs)
            for name, _ in FIELDS}


def line(name, figures):
    return name + ": " + " ".join(
        "%s=%s" % (key, fmt % figures[key]) for key, fmt in FIELDS)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--probe", required=True)
    parser.add_argument("--game", required=True)
    parser.add_argument("--baseline")
    parser.add_argument("--exe")
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    probe = os.path.abspath(args.probe)

    subjects = [("zelvanor", [args.game], {})]
    if args.baseline:
        subjects.append(("baseline", [args.baseline], {}))
    prefix = None
    if args.exe:
        prefix = tempfile.mkdtemp(prefix="zelvanor-bench-wine-")
        wine_prefix.create(os.path.join(prefix, "p"), 96)
        subjects.append(("zelvanor.exe under Wine", [WINE, args.exe],
                         {"WINEPREFIX": os.path.join(prefix, "p"),
                          "WINEDEBUG": "-all"}))
    results = {}
    try:
        for name, command, env in subjects:
            runs = [measure(command, env, probe, args.seconds)
                    for _ in range(args.runs)]
            results[name] = median_of(runs)
            print(line(name, results[name]), flush=True)
    finally:
        if prefix:
            wine_prefix.remove(os.path.join(prefix, "p"))
            os.rmdir(prefix)
    if "baseline" in results:
        ours, theirs = results["zelvanor"], results["baseline"]
        ratios = ["%s=%.2f" % (key, ours[key] / theirs[key])
                  for key in ("cpu_pct", "peak_mb", "first_frame_ms", "p99_ms",
                              "std_ms") if theirs[key]]
        print("zelvanor/baseline: " + " ".join(ratios))


if __name__ == "__main__":
    main()
