#!/usr/bin/env python3
"""Times one start of a program on the X display in $DISPLAY: from the exec until a chosen
screen pixel shows the colour that the program's window paints there, and the program's peak
resident set (GNU time's %M). The pixel is read through libX11 about once a millisecond.

  first_paint.py learn X Y PROGRAM [ARGS...]          prints the colour the window settles on
  first_paint.py time X Y RRGGBB PROGRAM [ARGS...]    prints "FIRST_PAINT_MS PEAK_RSS_KB"
"""
import ctypes
import os
import signal
import subprocess
import sys
import tempfile
import time

_x11 = ctypes.CDLL("libX11.so.6")
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XDefaultRootWindow.restype = ctypes.c_ulong
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XGetImage.restype = ctypes.c_void_p
_x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                           ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
_x11.XGetPixel.restype = ctypes.c_ulong
_x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
_x11.XDestroyImage.argtypes = [ctypes.c_void_p]

_ALL_PLANES = 0xFFFFFFFF
_Z_PIXMAP = 2
_POLL_SECONDS = 0.001
_TIMEOUT_SECONDS = 20


class Screen:
    def __init__(self):
        self.display = _x11.XOpenDisplay(None)
        if not self.display:
            sys.exit("first_paint: cannot open display %r" % os.environ.get("DISPLAY"))
        self.root = _x11.XDefaultRootWindow(self.display)

    def pixel(self, x, y):
        """The pixel as RRGGBB (a 24-bit TrueColor screen)."""
        image = _x11.XGetImage(self.display, self.root, x, y, 1, 1, _ALL_PLANES, _Z_PIXMAP)
        value = _x11.XGetPixel(image, 0, 0)
        _x11.XDestroyImage(image)
        return "%06X" % (value & 0xFFFFFF)


def wait_until(condition, what):
    deadline = time.monotonic() + _TIMEOUT_SECONDS
    while not condition():
        if time.monotonic() > deadline:
            sys.exit("first_paint: timed out waiting for " + what)
        time.sleep(_POLL_SECONDS)


def stop(timed):
    """Ends the program that GNU time runs, and time with it."""
    children = "/proc/%d/task/%d/children" % (timed.pid, timed.pid)
    with open(children) as f:
        for pid in f.read().split():
            os.kill(int(pid), signal.SIGTERM)
    timed.wait(10)


def learn(screen, x, y, command):
    before = screen.pixel(x, y)
    program = subprocess.Popen(command)
    try:
        wait_until(lambda: screen.pixel(x, y) != before, "the window")
        settled, since = screen.pixel(x, y), time.monotonic()
        while time.monotonic() - since < 0.5:
            now = screen.pixel(x, y)
            if now != settled:
                settled, since = now, time.monotonic()
            time.sleep(0.01)
        print(settled)
    finally:
        program.terminate()
        program.wait(10)


def measure(screen, x, y, colour, command):
    wait_until(lambda: screen.pixel(x, y) != colour, "the previous window to go")
    with tempfile.NamedTemporaryFile("r", prefix="first-paint-") as rss:
        start = time.perf_counter_ns()
        timed = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", rss.name] + command)
        try:
            wait_until(lambda: screen.pixel(x, y) == colour or timed.poll() is not None,
                       "the first paint")
            painted = time.perf_counter_ns()
            if timed.poll() is not None:
                sys.exit("first_paint: %s ended before it painted" % command[0])
            time.sleep(0.3)  # let start-up finish, so that the peak is the start-up's peak
        finally:
            stop(timed)
        peak_kb = int(rss.read().split()[-1])
    print("%.1f %d" % ((painted - start) / 1e6, peak_kb))


def main():
    mode, x, y = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    if mode == "learn":
        learn(Screen(), x, y, sys.argv[4:])
    elif mode == "time":
        measure(Screen(), x, y, sys.argv[4].upper(), sys.argv[5:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
