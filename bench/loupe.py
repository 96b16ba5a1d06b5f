#!/usr/bin/env python3
"""The time from a pointer motion to the loupe's repaint on the screen, while a pick is armed:
kolwe on a private Xvfb with openbox, whose desktop gives every pixel a colour of its own. Each motion is an XTest motion of a few pixels; the clock stops at
the first read (libX11, about once a millisecond or faster) that shows the new centre block,
the pixel now under the pointer magnified. Prints the median, 95th percentile and largest of
RUNS motions (300 unless set).

  bench/loupe.py [path/to/kolwe]      (default build/kolwe; build it in Release)

Needs Xvfb, openbox, imagemagick (display), xdotool and libxtst6."""
import ctypes, os, pathlib, statistics, subprocess, sys, tempfile, time

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
from first_paint import Screen  # noqa: E402

KOLWE = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/kolwe")
RUNS = int(os.environ.get("RUNS", 300))
WIDTH, HEIGHT = 1280, 1024
GET = (264 + 196, 215 + 92)  # the client area opens at 264, 215 (openbox's frame is above it)
CENTRE_BLOCK = 24 + 7 * 8 + 4  # from the pointer to the middle of the loupe's centre block


def where(x, y):
    return "%02X%02X%02X" % (x & 255, x >> 8 | y >> 8 << 4, y & 255)


def main(work, children):
    read_end, write_end = os.pipe()
    children.append(subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                      "%dx%dx24" % (WIDTH, HEIGHT), "-nolisten", "tcp", "-noreset"],
                                     pass_fds=(write_end,), stderr=subprocess.DEVNULL))
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        os.environ["DISPLAY"] = ":" + pipe.readline().strip()
    desktop = work / "desktop.ppm"
    desktop.write_bytes(b"P6 %d %d 255\n" % (WIDTH, HEIGHT) + b"".join(
        bytes.fromhex("".join(where(x, y) for x in range(WIDTH))) for y in range(HEIGHT)))
    subprocess.run(["display", "-window", "root", str(desktop)])  # exits 1, having set it
    os.environ.update(QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=str(work), XDG_CONFIG_HOME=str(work))
    children.append(subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL))
    time.sleep(1)  # openbox takes over before the window maps
    os.environ.pop("WAYLAND_DISPLAY", None)
    children.append(subprocess.Popen([KOLWE], stderr=subprocess.DEVNULL))
    screen = Screen()
    display = ctypes.c_void_p(screen.display)
    x11, xtst = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")

    def move(x, y):
        xtst.XTestFakeMotionEvent(display, -1, x, y, 0)
        x11.XFlush(display)

    def wait_until(shown, what, timeout=10):
        deadline = time.monotonic() + timeout
        while not shown():
            if time.monotonic() > deadline:
                sys.exit("loupe: timed out waiting for " + what)

    wait_until(lambda: screen.pixel(*GET) != where(*GET), "kolwe's window")
    time.sleep(1)  # start-up settles
    subprocess.run(["xdotool", "mousemove", str(GET[0]), str(GET[1]), "click", "1"], check=True)
    times = []
    for run in range(RUNS + 10):  # the first ten warm up
        x, y = 600 + (run * 7) % 400, 420 + (run * 5) % 300  # off the window, loupe unflipped
        start = time.perf_counter_ns()
        move(x, y)
        wait_until(lambda: screen.pixel(x + CENTRE_BLOCK, y + CENTRE_BLOCK) == where(x, y),
                   "the loupe at %d, %d" % (x, y))
        times.append((time.perf_counter_ns() - start) / 1e6)
    times = sorted(times[10:])
    print("pointer motion to loupe on screen, %d motions: median %.2f ms, 95th percentile %.2f ms,"
          " largest %.2f ms" % (RUNS, statistics.median(times), times[int(0.95 * len(times))],
                               times[-1]))


work, children = pathlib.Path(tempfile.mkdtemp(prefix="kolwe-bench-")), []
try:
    main(work, children)
finally:
    for child in reversed(children):
        child.kill()
    subprocess.run(["rm", "-rf", str(work)])
