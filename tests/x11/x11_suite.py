#!/usr/bin/env python3
"""kolwe on a real X server: its own Xvfb and openbox, real input through XTest (xdotool),
real pixels (ImageMagick's import), the real clipboard (xclip) and the real stacking state
(xprop). Usage: x11_suite.py PATH_TO_KOLWE [unittest arguments]."""
import ctypes
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
import unittest

KOLWE = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else "build/kolwe"
TITLE = "ミロカver1.10"
SCREEN = (1280, 1024)
CLIENT = (240, 153)
# Client-area points (logical pixels) inside the controls the tests press or read.
COPY, CLEAR, GET = (196, 44), (196, 68), (196, 92)
CHECK_BOX, SWATCH, BLANK = (16, 144), (144, 104), (200, 120)
SENTINEL = b"x11-suite-sentinel"

_children = []
_display = None
_workdir = tempfile.TemporaryDirectory(prefix="kolwe-x11-")
_libc = ctypes.CDLL(None, use_errno=True)


def _die_with_suite():
    _libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG: no orphan outlives a killed suite


def spawn(args, env=None, log=subprocess.DEVNULL, **kwargs):
    full_env = dict(os.environ, DISPLAY=_display or "", **(env or {}))
    proc = subprocess.Popen(args, env=full_env, stdin=subprocess.DEVNULL, stdout=log,
                            stderr=log, preexec_fn=_die_with_suite, **kwargs)
    _children.append(proc)
    return proc


def stop(proc):
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(2)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def x(*args, data=None):
    """Runs an X client to completion and returns its standard output as bytes."""
    return subprocess.run(args, input=data, capture_output=True, timeout=10,
                          env=dict(os.environ, DISPLAY=_display)).stdout


def poll(probe, timeout=5.0, interval=0.03):
    """The first truthy result of probe() within timeout, else its last result."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(interval)


def start_display():
    global _display
    read_end, write_end = os.pipe()
    spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % SCREEN,
           "-nolisten", "tcp"], pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        _display = ":" + pipe.readline().strip()
    spawn(["openbox"], env={"XDG_CONFIG_HOME": _workdir.name})
    if not poll(lambda: b"window id" in x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK")):
        raise RuntimeError("openbox did not come up on " + _display)


def windows(name, pid=None):
    """Visible windows whose title matches name, of one process if pid is given."""
    found = [int(w) for w in x("xdotool", "search", "--onlyvisible", "--name", name).split()]
    return [w for w in found if pid is None or x("xdotool", "getwindowpid", str(w)).strip()
            == str(pid).encode()]


def geometry(wid):
    info = dict(line.strip().split(": ", 1) for line in
                x("xwininfo", "-id", str(wid)).decode().splitlines() if ": " in line)
    return tuple(int(info[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                        "Width", "Height"))


def grab(left, top, width=1, height=1):
    """Screen pixels as a list of rows of 'RRGGBB' strings."""
    raw = x("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, left, top),
            "+repage", "-depth", "8", "rgb:-")
    cells = [raw[i:i + 3].hex().upper() for i in range(0, len(raw), 3)]
    return [cells[r * width:(r + 1) * width] for r in range(height)]


def pixel(left, top):
    return grab(left, top)[0][0]


def press(at, button=1):
    x("xdotool", "mousemove", str(at[0]), str(at[1]), "click", str(button))


def key(*keys):
    x("xdotool", "key", *keys)


def show_image(title, image_file, left, top):
    """Shows an image in an ImageMagick window; returns the window's device geometry."""
    proc = spawn(["display", "-title", title, "-geometry", "+%d+%d" % (left, top), image_file])
    wid = poll(lambda: windows("^%s$" % title), timeout=10)
    if not wid:
        raise RuntimeError("display did not show " + title)
    return proc, wid[0], geometry(wid[0])


class Kolwe:
    """One running kolwe, its main window and the device position of its client area."""

    def __init__(self, scale=1):
        env = {"QT_QPA_PLATFORM": "xcb", "QT_SCALE_FACTOR": str(scale),
               "XDG_RUNTIME_DIR": _workdir.name}
        self.log = tempfile.TemporaryFile(dir=_workdir.name)
        self.scale, self.proc = scale, spawn([KOLWE], env=env, log=self.log)
        found = poll(lambda: windows("^%s$" % TITLE, self.proc.pid), timeout=10)
        if not found:
            raise RuntimeError("no window titled %s" % TITLE)
        self.wid = found[0]
        left, top, self.width, self.height = geometry(self.wid)
        # The client area lies under the menu bar, at the bottom of the window.
        self.origin = (left, top + self.height - CLIENT[1] * scale)
        # First paint: the "get" caption is drawn.
        if not poll(lambda: self.enabled(GET), timeout=10):
            raise RuntimeError("the window was never painted")

    def at(self, point):
        return (self.origin[0] + point[0] * self.scale, self.origin[1] + point[1] * self.scale)

    def enabled(self, button):
        """A button's caption is drawn dark when enabled and light grey when disabled."""
        left, top = self.at((button[0] - 10, button[1] - 6))
        rows = grab(left, top, 20 * self.scale, 12 * self.scale)
        return min(int(c[2:4], 16) for row in rows for c in row) < 100

    def swatch(self):
        return pixel(*self.at(SWATCH))

    def arm(self):
        """Clicks "get" and waits until it is disabled: the pointer grab is in place by then."""
        press(self.at(GET))
        if not poll(lambda: not self.enabled(GET)):
            raise AssertionError("get did not arm a pick")

    def pick(self, at, button=1):
        self.arm()
        press(at, button)
        if not poll(lambda: self.enabled(GET)):
            raise AssertionError("the press did not complete the pick")

    def copied(self):
        """Clicks "copy" and returns the clipboard's text as bytes."""
        # xclip stays behind to serve the sentinel, so it must not hold our pipes.
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=SENTINEL, timeout=10,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       env=dict(os.environ, DISPLAY=_display))
        press(self.at(COPY))
        return poll(lambda: (lambda t: t if t != SENTINEL else None)(
            x("xclip", "-selection", "clipboard", "-o")), timeout=3)

    def question(self):
        """The exit question's window id, once it is shown and has the keyboard focus."""
        def shown():
            other = [w for w in windows("^%s$" % TITLE, self.proc.pid) if w != self.wid]
            active = x("xdotool", "getactivewindow").strip()
            return other[0] if other and active == str(other[0]).encode() else None
        return poll(shown)

    def ended(self, timeout=3.0):
        return poll(lambda: self.proc.poll() is not None, timeout=timeout)

    def output(self):
        self.log.seek(0)
        return self.log.read()[-2000:].decode(errors="replace")


class KolweOnX11(unittest.TestCase):
    def launch(self, scale=1):
        app = Kolwe(scale)
        self.addCleanup(app.log.close)
        self.addCleanup(stop, app.proc)
        active = poll(lambda: x("xdotool", "getactivewindow").strip() == str(app.wid).encode())
        self.assertTrue(active, "the new window did not get the focus")
        return app

    def show(self, title, image_file, left, top):
        proc, wid, geom = show_image(title, image_file, left, top)
        self.addCleanup(stop, proc)
        return proc, wid, geom

    def test_client_area_is_240_by_153_and_swatch_is_black(self):
        app = self.launch()
        self.assertEqual(app.width, CLIENT[0])
        self.assertTrue(10 <= app.height - CLIENT[1] <= 40, "menu bar height %d" % app.height)
        # The grey etched line marks the client area's top edge, right under the menu bar.
        self.assertEqual(pixel(*app.at((120, 0))), "808080")
        self.assertNotEqual(pixel(*app.at((120, -1))), "808080")
        inner = grab(*app.at((130, 90)), 29, 29)
        self.assertEqual({c for row in inner for c in row}, {"000000"})
        for outside in ((126, 104), (162, 104), (144, 86), (144, 122)):
            self.assertNotEqual(pixel(*app.at(outside)), "000000", outside)

    def test_exit_question_answered_no_keeps_running(self):
        app = self.launch()
        key("alt+x")
        self.assertTrue(app.question(), "Alt+X showed no question")
        key("Tab", "Return")
        self.assertTrue(poll(lambda: windows("^%s$" % TITLE, app.proc.pid) == [app.wid]))
        self.assertFalse(app.ended(timeout=0.5), "No ended the program")
        self.assertEqual(app.copied(), b"000000")

    def test_exit_question_yes_is_default_and_ends_with_status_0(self):
        app = self.launch()
        key("alt+x")
        self.assertTrue(app.question(), "Alt+X showed no question")
        key("Return")
        self.assertTrue(app.ended(), "Yes did not end the program")
        self.assertEqual(app.proc.returncode, 0, app.output())

    def test_window_manager_close_ends_without_question(self):
        app = self.launch()
        key("alt+F4")  # openbox's Close: WM_DELETE_WINDOW
        asked = poll(lambda: app.proc.poll() is not None or
                     len(windows("^%s$" % TITLE, app.proc.pid)) > 1)
        self.assertTrue(asked)
        self.assertIsNotNone(app.proc.poll(), "a question was shown on close")
        self.assertEqual(app.proc.returncode, 0, app.output())

    def test_pick_from_desktop_root(self):
        app = self.launch()
        x("xsetroot", "-solid", "#996633")
        app.pick((40, SCREEN[1] - 40))
        self.assertEqual(app.copied(), b"996633")  # exactly six characters, no line end
        self.assertEqual(app.swatch(), "996633")
        targets = x("xclip", "-selection", "clipboard", "-o", "-t", "TARGETS").split()
        self.assertIn(b"UTF8_STRING", targets)

    def test_pick_from_another_programs_window_does_not_press_it(self):
        app = self.launch()
        image = os.path.join(_workdir.name, "solid.ppm")
        with open(image, "wb") as f:
            f.write(b"P6 80 80 255\n" + bytes.fromhex("1E90C8") * 6400)
        _, _, (left, top, width, height) = self.show("pick-source", image, 700, 80)
        before = set(windows("."))
        app.pick((left + width // 2, top + height // 2))
        self.assertEqual(app.copied(), b"1E90C8")
        # A press that reached display would have opened its command window.
        self.assertEqual(set(windows(".")), before)

    def test_pick_with_right_button(self):
        app = self.launch()
        x("xsetroot", "-solid", "#0A141E")
        app.pick((SCREEN[0] - 40, SCREEN[1] - 40), button=3)
        self.assertEqual(app.copied(), b"0A141E")

    def test_press_over_clear_while_armed_picks_and_does_not_clear(self):
        app = self.launch()
        x("xsetroot", "-solid", "#996633")
        app.pick((40, SCREEN[1] - 40))
        app.arm()
        over_clear = app.at(CLEAR)
        x("xdotool", "mousemove", *map(str, over_clear))
        expected = pixel(*over_clear)
        self.assertNotIn(expected, ("000000", "996633"))
        x("xdotool", "click", "1")
        self.assertTrue(poll(lambda: app.enabled(GET)), "the pick did not complete")
        self.assertEqual(app.copied(), expected.encode())
        self.assertEqual(app.swatch(), expected)

    def test_press_on_window_while_idle_changes_nothing(self):
        app = self.launch()
        x("xsetroot", "-solid", "#996633")
        app.pick((40, SCREEN[1] - 40))  # idle again, after a completed pick
        self.assertNotIn(pixel(*app.at(BLANK)), ("000000", "996633"))
        for button in (1, 3):
            press(app.at(BLANK), button)
        self.assertEqual(app.copied(), b"996633")
        self.assertEqual(app.swatch(), "996633")

    def test_pick_at_scale_2_reads_one_device_pixel(self):
        # Four colours alternating on single device pixels: any rounding to a neighbour shows.
        palette = [bytes.fromhex(c) for c in ("112233", "C04080", "30A060", "E0D010")]
        image = os.path.join(_workdir.name, "pixels.ppm")
        with open(image, "wb") as f:
            f.write(b"P6 64 64 255\n" + b"".join(palette[(c & 1) + 2 * (r & 1)]
                                                  for r in range(64) for c in range(64)))
        _, _, (left, top, _, _) = self.show("pixel-pattern", image, 40, 40)
        target = ((left + 21) | 1, (top + 21) | 1)
        around = grab(target[0] - 1, target[1] - 1, 3, 3)
        expected = around[1][1]
        self.assertEqual({around[1][0], around[1][2], around[0][1], around[2][1]} & {expected},
                         set(), "the pattern is not one device pixel per colour")
        app = self.launch(scale=2)
        self.assertEqual(app.width, CLIENT[0] * 2)
        app.pick(target)
        self.assertEqual(app.copied(), expected.encode())

    def test_stay_on_top_set_and_cleared_in_place(self):
        image = os.path.join(_workdir.name, "other.ppm")
        with open(image, "wb") as f:
            f.write(b"P6 60 60 255\n" + b"\x80" * 10800)
        _, other, _ = self.show("other-window", image, 900, 500)
        app = self.launch()
        place = geometry(app.wid)

        def state():
            return x("xprop", "-id", str(app.wid), "_NET_WM_STATE")

        def above(first, second):
            x("xdotool", "windowactivate", "--sync", str(other))
            stacking = x("xprop", "-root", "_NET_CLIENT_LIST_STACKING").decode()
            order = [int(w, 16) for w in re.findall(r"0x[0-9a-f]+", stacking)]
            return order.index(first) > order.index(second)

        for checked in (True, False):
            press(app.at(CHECK_BOX))
            self.assertTrue(poll(lambda: (b"_NET_WM_STATE_ABOVE" in state()) == checked),
                            "_NET_WM_STATE after %s: %s" % (checked, state()))
            self.assertEqual(windows("^%s$" % TITLE), [app.wid])
            self.assertEqual(geometry(app.wid), place)
            self.assertEqual(above(app.wid, other), checked, "stacking with another active")

    def test_yes_while_pick_armed_ends_at_once(self):
        app = self.launch()
        app.arm()
        key("alt+x")
        self.assertTrue(app.question(), "Alt+X showed no question while armed")
        key("Return")
        self.assertTrue(app.ended(), "Yes did not end the program while armed")
        self.assertEqual(app.proc.returncode, 0, app.output())


def main():
    def interrupt(*_):
        raise KeyboardInterrupt  # unittest lets this one through, so the run stops here

    signal.signal(signal.SIGTERM, interrupt)
    started, result = time.monotonic(), None
    try:
        if not os.access(KOLWE, os.X_OK):
            raise RuntimeError("not an executable: " + KOLWE)
        start_display()
        result = unittest.main(exit=False, verbosity=2).result
    except (Exception, KeyboardInterrupt) as error:  # no display, no program, or stopped
        print("x11 suite could not run: %r" % error)
    finally:
        for proc in reversed(_children):
            stop(proc)
        _workdir.cleanup()
    run = result.testsRun if result else 0
    failed = len(result.failures) + len(result.errors) if result else 1
    print("x11 suite took %.1f s" % (time.monotonic() - started))
    print("%d passed, %d failed" % (run - failed - len(result.skipped) if result else 0, failed))
    return 1 if failed or not run else 0


if __name__ == "__main__":
    sys.exit(main())
