"""A private X server, the real game in it, and what a player sees and does.

Every check starts its own Xvfb on a free display and always stops it, so the
tests can run side by side and leave nothing behind.
"""

import contextlib
import os
import struct
import subprocess
import time
import zlib

from Xlib import X, display as xdisplay, protocol

WIDTH, HEIGHT = 800, 600
WHITE = (255, 255, 255)


def end_process(process, timeout=5):
    """Asks a process to end, and makes it end if it does not in time."""
    process.terminate()
    try:
        process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


@contextlib.contextmanager
def xvfb():
    """Starts Xvfb on a display it picks itself; yields the display name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        with os.fdopen(read_end) as announced:
            number = announced.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        yield ":" + number
    finally:
        end_process(server)


class game_window:
    """The running game and its window on one display.

    Under Wine without a window manager, Wine draws the window's frame into
    the X window itself; the client area is then found from the picture.
    """

    def __init__(self, command, display_name, env=None, framed=False,
                 scale=1.0):
        self.display_name = display_name
        self.scale = scale
        environment = dict(os.environ, DISPLAY=display_name)
        environment.update(env or {})
        self.started = time.monotonic()
        self.process = subprocess.Popen(
            command, env=environment, stdout=subprocess.PIPE,
            stderr=subprocess.PIPE)
        self.x = xdisplay.Display(display_name)
        self.window = self._find_window(timeout=30)
        self.shown_at = time.monotonic()
        geometry = self.window.get_geometry()
        self.client = (0, 0, geometry.width, geometry.height)
        if framed:
            self.client = self._find_client()

    def _find_window(self, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise AssertionError(
                    "the game ended before its window appeared: status %d, %r"
                    % (self.process.returncode, self.process.stderr.read()))
            for window in self.x.screen().root.query_tree().children:
                try:
                    if (window.get_wm_name() == "Zelvanor" and
                            window.get_attributes().map_state ==
                            X.IsViewable):
                        return window
                except Exception:  # windows come and go while we look
                    pass
            time.sleep(0.02)
        raise AssertionError("no window named Zelvanor appeared")

    def _find_client(self):
        """The client area, placed by the spider, which starts at (400, 300)
        in window coordinates, and bounded by the frame on every side."""
        # Wine may show a frame or two before the window has its final size;
        # wait until the picture holds still.
        deadline = time.monotonic() + 10
        box = previous = None
        while time.monotonic() < deadline:
            geometry = self.window.get_geometry()
            # Below the caption, whose text is as dark as the spider.
            skip = geometry.height // 8
            lower = self._grab(0, skip, geometry.width, geometry.height - skip)
            box = (geometry.width, geometry.height, spider_box(lower))
            if box == previous and box[2] is not None:
                break
            previous = box
            time.sleep(0.1)
        else:
            raise AssertionError("no steady spider in the window")
        box = box[2]
        # The centre pixel pair of the disc lies 400 * scale from the left.
        left = round((box[0] + box[2] + 1) / 2 - 400 * self.scale)
        top = skip + round((box[1] + box[3] + 1) / 2 - 300 * self.scale)
        # The frame is as wide at the right and the bottom as at the left.
        return (left, top, geometry.width - 2 * left,
                geometry.height - top - left)

    def edges_are_framed(self):
        """True when just outside the client area, on all four sides, lies
        frame rather than the game's white: the client area ends there."""
        left, top, width, height = self.client
        geometry = self.window.get_geometry()
        whole = self._grab(0, 0, geometry.width, geometry.height)
        outside = [(left - 1, top + height // 4), (left + width, top + height // 4),
                   (left + width // 4, top - 1), (left + width // 4, top + height)]
        inside = [(left, top + height // 4), (left + width - 1, top + height // 4),
                  (left + width // 4, top), (left + width // 4, top + height - 1)]
        return (all(whole.at(*p) != WHITE for p in outside) and
                all(whole.at(*p) == WHITE for p in inside))

    def size(self):
        """The client area's size, in physical pixels."""
        return self.client[2], self.client[3]

    def _grab(self, x, y, width, height):
        image = self.window.get_image(x, y, width, height, X.ZPixmap,
                                      0xFFFFFFFF)
        return screenshot(width, height, image.data)

    def pixels(self):
        """The client area as a screenshot, read from the server."""
        return self._grab(*self.client)

    def focus(self):
        subprocess.run(["xdotool", "windowfocus", "--sync",
                        str(self.window.id)], env=self._xenv(), check=True)

    def keys(self, action, *names):
        """xdotool keydown / keyup / key on the focused window."""
        subprocess.run(["xdotool", action] + list(names), env=self._xenv(),
                       check=True)

    def request_close(self):
        """What a window manager sends when the player closes the window."""
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(
            window=self.window, client_type=protocols,
            data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        self.window.send_event(event)
        self.x.flush()

    def finish(self, timeout=5):
        """Waits for the game to end: (status, stdout, stderr)."""
        try:
            out, err = self.process.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.communicate()
            raise AssertionError("the game did not end within %s s" % timeout)
        return self.process.returncode, out, err

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.communicate()
        with contextlib.suppress(Exception):
            self.x.close()

    def _xenv(self):
        return dict(os.environ, DISPLAY=self.display_name)


class screenshot:
    def __init__(self, width, height, bgrx):
        self.width, self.height, self.data = width, height, bgrx

    def at(self, x, y):
        i = (y * self.width + x) * 4
        b, g, r = self.data[i], self.data[i + 1], self.data[i + 2]
        return (r, g, b)

    def where(self, red, green, blue):
        """Bounding box (left, top, right, bottom) of the pixels whose three
        channels pass the three tests (DARK or LIGHT), or None."""
        count = self.width * self.height
        mask = -1
        for offset, table in ((2, red), (1, green), (0, blue)):
            channel = self.data[offset::4].translate(table)
            mask &= int.from_bytes(channel, "little")
        flags = mask.to_bytes(count, "little")
        left, top, right, bottom = self.width, None, -1, None
        for y in range(self.height):
            row = flags[y * self.width:(y + 1) * self.width]
            first = row.find(1)
            if first < 0:
                continue
            top = y if top is None else top
            bottom = y
            left = min(left, first)
            right = max(right, row.rfind(1))
        if top is None:
            return None
        return left, top, right, bottom

    def save_png(self, path):
        rows = b"".join(
            b"\0" + bytes(
                c for x in range(self.width) for c in self.at(x, y))
            for y in range(self.height))
        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body +
                    struct.pack(">I", zlib.crc32(kind + body)))
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n")
            f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", self.width,
                                                self.height, 8, 2, 0, 0, 0)))
            f.write(chunk(b"IDAT", zlib.compress(rows)))
            f.write(chunk(b"IEND", b""))


# Channel tests for where(): below 100, or 100 and above.
DARK = bytes(1 if v < 100 else 0 for v in range(256))
LIGHT = bytes(0 if v < 100 else 1 for v in range(256))


def spider_box(shot):
    """The black disc: every channel dark. The fly's green never is."""
    return shot.where(DARK, DARK, DARK)


def fly_box(shot):
    """The dark-green disc, (0, 100, 0) at its core."""
    return shot.where(DARK, LIGHT, DARK)


def spider_centre(shot):
    """The spider's centre from its disc; None when it is not drawn.

    A disc of radius 25 centred at (x, y) covers the pixel columns x - 25 to
    x + 24 and rows y - 25 to y + 24 (those whose centres lie inside), as far
    as they are in the window.
    """
    box = spider_box(shot)
    if box is None:
        return None
    left, top, right, bottom = box
    x = left + 25 if left > 0 else right - 24
    y = top + 25 if top > 0 else bottom - 24
    return x, y
