#!/usr/bin/env python3
"""The time from a press on "get" to the picked colour in the swatch, through the desktop portal:
the real frontend (xdg-desktop-portal) with the tests' backend, which answers at once, on a
private session bus; kolwe as an X client on a private Xvfb with WAYLAND_DISPLAY set, so that it
asks the portal. The press is sent with XTest, the swatch read through libX11 about once a
millisecond. Prints the median with the smallest and largest of RUNS picks (30 unless set).

  bench/portal_pick.py [path/to/kolwe]      (default build/kolwe; build it in Release)

Needs Xvfb, xdg-desktop-portal, dbus-daemon, libglib2.0-bin, python3-gi and libxtst6."""
import ctypes, os, pathlib, statistics, subprocess, sys, tempfile, time

if "KOLWE_BENCH_BUS" not in os.environ:  # rerun on a private session bus
    os.environ["KOLWE_BENCH_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
from first_paint import Screen  # noqa: E402

KOLWE = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/kolwe")
RUNS = int(os.environ.get("RUNS", 30))
BACKEND, DESKTOP = "org.freedesktop.impl.portal.desktop.kolwebench", "kolwebench"
GET, SWATCH = (264 + 196, 215 + 92), (264 + 144, 215 + 104)  # the client area opens at 264, 215
COLOURS = [("0 0.2 0.4 0.6", "336699"), ("0 0.8 0.6 0.4", "CC9966")]

work = pathlib.Path(tempfile.mkdtemp(prefix="kolwe-bench-"))
answer = work / "answer"
children = []


def spawn(*args, **kwargs):
    children.append(subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                      **kwargs))


def wait_until(condition, timeout=20):
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            sys.exit("portal_pick: timed out")
        time.sleep(0.001)


def main():
    os.environ.update(XDG_RUNTIME_DIR=str(work), XDG_DESKTOP_PORTAL_DIR=str(work),
                      XDG_CURRENT_DESKTOP=DESKTOP, QT_QPA_PLATFORM="xcb",
                      WAYLAND_DISPLAY="wayland-none")
    (work / (DESKTOP + ".portal")).write_text(
        "[portal]\nDBusName=%s\nUseIn=%s\nInterfaces=org.freedesktop.impl.portal.Screenshot;"
        "org.freedesktop.impl.portal.Access;\n" % (BACKEND, DESKTOP))
    answer.write_text("")
    spawn("/usr/bin/python3", HERE.parent / "tests/wayland/portal_backend.py", BACKEND, answer)
    subprocess.run(["gdbus", "wait", "--session", "--timeout", "10", BACKEND], check=True)
    spawn("/usr/libexec/xdg-desktop-portal")
    subprocess.run(["gdbus", "wait", "--session", "--timeout", "10",
                    "org.freedesktop.portal.Desktop"], check=True)
    read_end, write_end = os.pipe()
    spawn("Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten",
          "tcp", pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        os.environ["DISPLAY"] = ":" + pipe.readline().strip()
    spawn(KOLWE)
    screen = Screen()
    xtst = ctypes.CDLL("libXtst.so.6")
    wait_until(lambda: screen.pixel(*SWATCH) == "000000")
    time.sleep(1)  # let start-up and the portal's version answer settle
    xtst.XTestFakeMotionEvent(ctypes.c_void_p(screen.display), -1, *GET, 0)
    times = []
    for run in range(RUNS + 1):  # the first pick is a warm-up
        text, colour = COLOURS[run % 2]
        answer.write_text(text)
        start = time.perf_counter_ns()
        for press in (1, 0):
            xtst.XTestFakeButtonEvent(ctypes.c_void_p(screen.display), 1, press, 0)
        ctypes.CDLL("libX11.so.6").XFlush(ctypes.c_void_p(screen.display))
        wait_until(lambda: screen.pixel(*SWATCH) == colour)
        times.append((time.perf_counter_ns() - start) / 1e6)
        wait_until(lambda: answer.read_text() == "")  # "get" is enabled again by now
        time.sleep(0.05)
    times = sorted(times[1:])
    print("press on get to colour in swatch, %d picks: median %.1f ms (%.1f-%.1f)"
          % (RUNS, statistics.median(times), times[0], times[-1]))


try:
    main()
finally:
    for child in reversed(children):
        child.kill()
    subprocess.run(["rm", "-rf", str(work)])
