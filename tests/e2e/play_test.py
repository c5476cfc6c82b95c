"""End-to-end checks of the real game binary, as a player sees it.

Usage: play_test.py GAME CHECK SHOTS_DIR [--wine PREFIX] [--scale S]
Runs one named check against the game executable in a private X server;
with --wine, the Windows program under Wine in that prefix, whose display
scaling is S (1.5 for a prefix set to 144 DPI).
"""

import os
import random
import signal
import subprocess
import sys
import time

from Xlib import X
from Xlib.ext import xtest

from x_session import (HEIGHT, WHITE, WIDTH, fly_box, game_window,
                       spider_box, spider_centre, xvfb)

CHECKS = {}


def check(function):
    CHECKS[function.__name__] = function
    return function


def expect(condition, message):
    if not condition:
        raise AssertionError(message)


class target:
    """How to start the game: natively, or the Windows program under Wine."""
    wine_prefix = None
    scale = 1.0


def play(game, display):
    if target.wine_prefix is None:
        return game_window([game], display)
    env = {"WINEPREFIX": target.wine_prefix, "WINEDEBUG": "-all"}
    return game_window([WINE, game], display, env, framed=True,
                       scale=target.scale)


# Wine's 64-bit loader itself; the wine wrapper script may print advice.
WINE = "/usr/lib/wine/wine64"


def hold(window, key, until, timeout):
    """Holds a key until until(shot) is true; returns the shots taken."""
    window.focus()
    window.keys("keydown", key)
    shots = []
    try:
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            shot = window.pixels()
            shots.append((time.monotonic(), shot))
            if until(shot):
                return shots
            time.sleep(0.05)
        raise AssertionError("holding %s never got there" % key)
    finally:
        window.keys("keyup", key)


@check
def window_and_starting_picture(game, shots_dir):
    scale = target.scale
    with xvfb() as display:
        window = play(game, display)
        try:
            expect(window.window.get_wm_name() == "Zelvanor", "caption")
            expect(window.size() == (WIDTH * scale, HEIGHT * scale),
                   "client area %sx%s" % window.size())
            time.sleep(0.3)
            if target.wine_prefix is not None:
                expect(window.edges_are_framed(),
                       "the client area ends where the frame begins")
            shot = window.pixels()
            shot.save_png(os.path.join(shots_dir, "start.png"))
            width, height = window.size()
            for corner in ((0, 0), (width - 1, 0), (0, height - 1),
                           (width - 1, height - 1), (width // 8, height // 2)):
                expect(shot.at(*corner) == WHITE, "white at %s" % (corner,))
            expect(shot.at(width // 2, height // 2) == (0, 0, 0),
                   "black at the centre")
            # Radius 25, or 37.5 at 150 per cent: the columns and rows whose
            # pixel centres lie inside the circle.
            expected = {1.0: (375, 275, 424, 324), 1.5: (563, 413, 636, 486)}
            box = spider_box(shot)
            expect(box == expected[scale],
                   "spider disc at the centre, got %s" % (box,))
        finally:
            window.stop()


@check
def arrows_move_the_spider_three_pixels_a_frame_to_the_edges(game, shots_dir):
    with xvfb() as display:
        window = play(game, display)
        try:
            time.sleep(0.2)
            at_right = lambda shot: spider_centre(shot)[0] == 775
            shots = hold(window, "Right", at_right, timeout=6)
            shots[-1][1].save_png(os.path.join(shots_dir, "right.png"))
            # Every position on the way lies on the 3-pixel grid from 400.
            xs = [spider_centre(shot)[0] for _, shot in shots]
            expect(all((x - 400) % 3 == 0 for x in xs), "steps %s" % xs)
            # One step a frame at 60 frames a second: 180 pixels a second,
            # measured over the stretch where the spider was moving freely.
            moving = [(t, spider_centre(s)[0]) for t, s in shots
                      if 400 < spider_centre(s)[0] < 775]
            if len(moving) >= 2:
                (t0, x0), (t1, x1) = moving[0], moving[-1]
                if t1 - t0 > 0.8:
                    speed = (x1 - x0) / (t1 - t0)
                    expect(150 < speed < 200, "%.0f px/s" % speed)
            time.sleep(0.3)
            expect(spider_centre(window.pixels()) == (775, 300),
                   "stays at the right edge once released")

            at_bottom = lambda shot: spider_centre(shot)[1] == 576
            shots = hold(window, "Down", at_bottom, timeout=6)
            time.sleep(0.3)
            shot = window.pixels()
            shot.save_png(os.path.join(shots_dir, "bottom_right.png"))
            expect(spider_centre(shot) == (775, 576), "corner")
            # Held further, it stays: the disc's edge one pixel past the
            # window's bottom.
            window.keys("keydown", "Down")
            time.sleep(0.3)
            window.keys("keyup", "Down")
            expect(spider_centre(window.pixels()) == (775, 576),
                   "stops at y = 576")
        finally:
            window.stop()


def watch_fly(window, seconds):
    """(time since the window showed, fly box or None), about 20 a second."""
    seen = []
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        shot = window.pixels()
        seen.append((time.monotonic() - window.shown_at, fly_box(shot), shot))
        time.sleep(0.03)
    return seen


@check
def the_fly_comes_and_goes(game, shots_dir):
    # A fly that appears under the spider is caught before it is ever drawn;
    # then the first fly seen is a later one, so try a few runs.
    for attempt in range(3):
        with xvfb() as display:
            window = play(game, display)
            try:
                seen = watch_fly(window, 11)
            finally:
                window.stop()
        shown = [i for i, (_, box, _) in enumerate(seen) if box]
        if not shown or seen[shown[0]][0] > 3.3:
            continue
        first = shown[0]
        seen[first][2].save_png(os.path.join(shots_dir, "fly.png"))
        appeared = seen[first][0]
        expect(appeared > 0.9, "appeared after %.2f s" % appeared)
        left, top, right, bottom = seen[first][1]
        if 0 < left and right < WIDTH - 1 and 0 < top and bottom < HEIGHT - 1:
            expect(18 <= right - left + 1 <= 20 and 18 <= bottom - top + 1 <= 20,
                   "fly of radius 10, box %s" % (seen[first][1],))
        gone = next((t for t, box, _ in seen[first:] if box is None), None)
        expect(gone is not None, "the fly never escaped")
        stayed = gone - appeared
        expect(1.9 < stayed < 7.2, "stayed %.2f s" % stayed)
        return
    raise AssertionError("no fly appeared within 3 s in three runs")


def ends_cleanly(game, stop):
    with xvfb() as display:
        window = play(game, display)
        try:
            time.sleep(0.5)
            stop(window)
            status, out, err = window.finish(timeout=3)
        finally:
            window.stop()
    expect(status == 0, "exit status %d" % status)
    expect(out == b"" and err == b"", "printed %r %r" % (out, err))


@check
def closing_the_window_ends_with_status_0(game, shots_dir):
    ends_cleanly(game, lambda window: window.request_close())


@check
def sigterm_and_sigint_end_with_status_0(game, shots_dir):
    for sig in (signal.SIGTERM, signal.SIGINT):
        ends_cleanly(game, lambda window: window.process.send_signal(sig))


@check
def without_a_display_it_fails_at_once_with_one_clear_line(game, shots_dir):
    bare = {k: v for k, v in os.environ.items()
            if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    for env in (bare, dict(bare, DISPLAY=":4095"),
                dict(bare, DISPLAY=":4095", SDL_VIDEODRIVER="offscreen")):
        started = time.monotonic()
        result = subprocess.run([game], env=env, capture_output=True,
                                timeout=10)
        what = "DISPLAY=%s SDL_VIDEODRIVER=%s: " % (
            env.get("DISPLAY"), env.get("SDL_VIDEODRIVER"))
        expect(time.monotonic() - started < 2, what + "took too long")
        expect(result.returncode == 1,
               what + "exit status %d" % result.returncode)
        expect(result.stdout == b"", what + "stdout %r" % result.stdout)
        lines = result.stderr.decode().splitlines()
        expect(len(lines) == 1 and "no display could be opened" in lines[0],
               what + "stderr %r" % result.stderr)


@check
def random_keys_of_every_kind_break_nothing(game, shots_dir):
    """2,000 presses and releases of random keys, modifiers included, within
    10 s; the game keeps running, stays steerable and prints nothing."""
    with xvfb() as display:
        window = play(game, display)
        try:
            window.focus()
            x = window.x
            keycodes = list(range(8, 256))
            modifiers = [x.keysym_to_keycode(k) for k in
                         (0xFFE1, 0xFFE3, 0xFFE9, 0xFFEB, 0xFE03)]  # Shift...
            chooser = random.Random(2026)
            held = set()
            started = time.monotonic()
            for event in range(2000):
                code = chooser.choice(keycodes + modifiers * 20)
                kind = X.KeyRelease if code in held else X.KeyPress
                xtest.fake_input(x, kind, code)
                (held.discard if kind == X.KeyRelease else held.add)(code)
                if event % 50 == 49:
                    # Forty batches of fifty, spread over ten seconds.
                    x.sync()
                    batch_end = started + (event + 1) / 200
                    time.sleep(max(0, batch_end - time.monotonic()))
            for code in held:
                xtest.fake_input(x, X.KeyRelease, code)
            x.sync()
            expect(window.process.poll() is None, "the game ended")
            time.sleep(0.3)
            start = spider_centre(window.pixels())
            window.focus()
            window.keys("keydown", "Left")
            time.sleep(0.5)
            window.keys("keyup", "Left")
            moved = spider_centre(window.pixels())
            expect(moved[0] < start[0], "steer left from %s: %s" % (start, moved))
            window.request_close()
            status, out, err = window.finish()
            expect(status == 0 and out == b"" and err == b"",
                   "status %d, printed %r %r" % (status, out, err))
        finally:
            window.stop()


@check
def a_key_released_elsewhere_is_not_held(game, shots_dir):
    """An arrow held while the window loses the focus and released in
    another window does not keep the spider moving when the focus returns."""
    with xvfb() as display:
        window = play(game, display)
        try:
            x = window.x
            other = x.screen().root.create_window(
                900, 700, 100, 50, 0, x.screen().root_depth)
            other.map()
            x.sync()
            window.focus()
            window.keys("keydown", "Right")
            time.sleep(0.3)
            other.set_input_focus(X.RevertToParent, X.CurrentTime)
            x.sync()
            time.sleep(0.1)
            window.keys("keyup", "Right")
            time.sleep(0.1)
            window.focus()
            time.sleep(0.2)
            first = spider_centre(window.pixels())
            time.sleep(0.5)
            second = spider_centre(window.pixels())
            expect(first[0] > 400, "the spider moved while held: %s" % (first,))
            expect(first == second,
                   "still moving after focus returned: %s then %s"
                   % (first, second))
        finally:
            window.stop()


@check
def losing_the_display_ends_the_game_at_once(game, shots_dir):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
         "-nolisten", "tcp"], pass_fds=[write_end],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as announced:
        name = ":" + announced.readline().strip()
    window = None
    try:
        window = play(game, name)
        time.sleep(0.5)
        server.kill()
        server.wait()
        status, out, err = window.finish(timeout=2)
        expect(status > 0, "exit status %d" % status)
        expect(len(err.decode().splitlines()) == 1,
               "one line on stderr, got %r" % err)
    finally:
        if window:
            window.stop()
        if server.poll() is None:
            server.kill()
            server.wait()


@check
def memcheck_finds_no_error(game, shots_dir):
    """Five seconds of play under valgrind's memcheck, ended by closing the
    window: no error, no leak lost for good (bar the system libraries named
    in the suppressions)."""
    here = os.path.dirname(os.path.abspath(__file__))
    suppressions = os.path.join(here, "..", "sanitizers", "valgrind.supp")
    command = ["valgrind", "--error-exitcode=99", "--leak-check=full",
               "--show-leak-kinds=definite", "--errors-for-leak-kinds=definite",
               "--suppressions=" + suppressions, game]
    with xvfb() as display:
        window = game_window(command, display)
        try:
            window.focus()
            window.keys("keydown", "Right", "Down")
            time.sleep(5)
            window.keys("keyup", "Right", "Down")
            window.request_close()
            status, out, err = window.finish(timeout=60)
        finally:
            window.stop()
    report = err.decode()
    expect(status == 0 and "ERROR SUMMARY: 0 errors" in report,
           "status %d\n%s" % (status, report[-3000:]))


def main():
    game, name, shots_dir = sys.argv[1:4]
    options = sys.argv[4:]
    while options:
        option, value = options[0], options[1]
        options = options[2:]
        if option == "--wine":
            target.wine_prefix = value
        elif option == "--scale":
            target.scale = float(value)
    os.makedirs(shots_dir, exist_ok=True)
    CHECKS[name](game, shots_dir)
    print("1 passed, 0 failed: " + name)


if __name__ == "__main__":
    main()
