#!/usr/bin/env python3
"""kolwe on a real X server: its own Xvfb and openbox, real input through XTest (xdotool), real
pixels (ImageMagick's import), the real clipboard (xclip) and the real stacking state (xprop).
Usage: x11_suite.py PATH_TO_KOLWE [unittest arguments]."""
import ctypes, os, re, signal, subprocess, sys, tempfile, time, unittest

KOLWE = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else "build/kolwe"
TITLE, SCREEN, CLIENT = "^ミロカver1.10$", (1280, 1024), (240, 153)
DESKTOP = (40, SCREEN[1] - 40)  # a bare spot of the root window
# Client-area points (logical pixels) inside the controls the tests press or read.
COPY, CLEAR, GET = (196, 44), (196, 68), (196, 92)
CHECK_BOX, SWATCH, BLANK = (16, 144), (144, 104), (200, 120)
SENTINEL = b"x11-suite-sentinel"
_children, _display = [], None
_workdir = tempfile.TemporaryDirectory(prefix="kolwe-x11-")
_libc = ctypes.CDLL(None, use_errno=True)

def spawn(args, env=None, log=subprocess.DEVNULL, **kwargs):
    """Starts a process that dies with the suite (PR_SET_PDEATHSIG), even a killed one."""
    proc = subprocess.Popen(args, env=dict(os.environ, DISPLAY=_display or "", **(env or {})),
                            stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                            preexec_fn=lambda: _libc.prctl(1, signal.SIGKILL), **kwargs)
    _children.append(proc)
    return proc

def stop(proc):
    """Terminates proc, and kills it if it has not ended 2 s later."""
    for end in (proc.terminate, proc.kill):
        if proc.poll() is None:
            end()
            poll(lambda: proc.poll() is not None, timeout=2)

def x(*args, stdout=subprocess.PIPE, **kwargs):
    """Runs an X client to completion and returns its standard output as bytes."""
    return subprocess.run(args, stdout=stdout, stderr=subprocess.DEVNULL, timeout=10,
                          env=dict(os.environ, DISPLAY=_display), **kwargs).stdout

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
    if not poll(lambda: b"window id" in x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 20):
        raise RuntimeError("openbox did not come up on " + _display)

def windows(name):
    return [int(w) for w in x("xdotool", "search", "--onlyvisible", "--name", name).split()]

def active():
    return int(x("xdotool", "getactivewindow").strip() or 0)

def geometry(wid):
    info = x("xwininfo", "-id", str(wid)).decode()
    return tuple(int(re.search(key + r":\s*(-?\d+)", info).group(1)) for key in
                 ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

def grab(left, top, width=1, height=1):
    """Screen pixels as a list of rows of 'RRGGBB' strings."""
    raw = x("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, left, top),
            "+repage", "-depth", "8", "rgb:-")
    cells = [raw[i:i + 3].hex().upper() for i in range(0, len(raw), 3)]
    return [cells[r * width:(r + 1) * width] for r in range(height)]

def pixel(at):
    return grab(*at)[0][0]

def press(at, button=1):
    x("xdotool", "mousemove", str(at[0]), str(at[1]), "click", str(button))

class KolweOnX11(unittest.TestCase):
    def launch(self, scale=1, root=None):
        """Starts kolwe (on a desktop of one colour if root is given); its window, client area."""
        if root:
            x("xsetroot", "-solid", "#" + root)
        self.log = tempfile.TemporaryFile(dir=_workdir.name)
        self.addCleanup(self.log.close)
        env = {"QT_QPA_PLATFORM": "xcb", "QT_SCALE_FACTOR": str(scale),
               "XDG_RUNTIME_DIR": _workdir.name}
        self.scale, self.proc = scale, spawn([KOLWE], log=self.log, env=env)
        self.addCleanup(stop, self.proc)
        found = poll(lambda: windows(TITLE), timeout=10)
        self.assertTrue(found, "no window titled " + TITLE)
        self.wid = found[0]
        left, top, self.width, self.height = geometry(self.wid)
        # The client area lies under the menu bar, at the bottom of the window.
        self.origin = (left, top + self.height - CLIENT[1] * scale)
        self.assertTrue(poll(lambda: self.enabled(GET), timeout=10), "never painted")
        self.assertTrue(poll(lambda: active() == self.wid), "the new window has no focus")

    def at(self, point):
        return (self.origin[0] + point[0] * self.scale, self.origin[1] + point[1] * self.scale)

    def enabled(self, button):
        """A button's caption is drawn dark when enabled and light grey when disabled."""
        left, top = self.at((button[0] - 10, button[1] - 6))
        rows = grab(left, top, 20 * self.scale, 12 * self.scale)
        return min(int(c[2:4], 16) for row in rows for c in row) < 100

    def arm(self):
        """Clicks "get" and waits until it is disabled: the pointer grab is in place by then."""
        press(self.at(GET))
        self.assertTrue(poll(lambda: not self.enabled(GET)), "get did not arm a pick")

    def pick(self, at, button=1):
        """Arms a pick and presses at; returns the colour there, under the armed pointer."""
        self.arm()
        x("xdotool", "mousemove", str(at[0]), str(at[1]))
        under = pixel(at)
        x("xdotool", "click", str(button))
        self.assertTrue(poll(lambda: self.enabled(GET)), "the press did not complete the pick")
        return under

    def assertShown(self, colour):
        """The swatch shows colour, and "copy" replaces a sentinel on the clipboard with exactly
        its hex text (xclip stays behind to serve the sentinel, so it must not hold our pipe)."""
        x("xclip", "-selection", "clipboard", "-i", input=SENTINEL, stdout=subprocess.DEVNULL)
        press(self.at(COPY))
        copied = poll(lambda: x("xclip", "-selection", "clipboard", "-o").replace(SENTINEL, b""))
        self.assertEqual((pixel(self.at(SWATCH)), copied), (colour, colour.encode()))

    def answer_exit(self, *keys):
        """Alt+X; once the question is shown and has the keyboard focus, presses keys."""
        x("xdotool", "key", "alt+x")
        self.assertTrue(poll(lambda: [w for w in windows(TITLE) if w != self.wid] == [active()]),
                        "Alt+X showed no question")
        x("xdotool", "key", *keys)

    def assertEnds(self, timeout=3.0):
        """The program ends within timeout, with status 0."""
        poll(lambda: self.proc.poll() is not None, timeout=timeout)
        self.log.seek(0)
        self.assertEqual(self.proc.poll(), 0, self.log.read()[-2000:].decode(errors="replace"))

    def show(self, title, width, pixels, left, top):
        """Shows an image width pixels wide ('RGB' bytes) at left, top; its id and geometry."""
        image = os.path.join(_workdir.name, title + ".ppm")
        with open(image, "wb") as f:
            f.write(b"P6 %d %d 255\n" % (width, len(pixels) // 3 // width) + pixels)
        self.addCleanup(stop, spawn(["display", "-title", title, "-geometry",
                                     "+%d+%d" % (left, top), image]))
        found = poll(lambda: windows("^%s$" % title), timeout=10)
        self.assertTrue(found, "display did not show " + title)
        return found[0], geometry(found[0])

    def test_client_area_is_240_by_153_and_swatch_is_black(self):
        self.launch()
        self.assertEqual(self.width, CLIENT[0])
        self.assertTrue(10 <= self.height - CLIENT[1] <= 40, "menu bar height %d" % self.height)
        # The grey etched line marks the client area's top edge, right under the menu bar.
        self.assertEqual(pixel(self.at((120, 0))), "808080")
        self.assertNotEqual(pixel(self.at((120, -1))), "808080")
        inner = grab(*self.at((130, 90)), 29, 29)
        self.assertEqual({c for row in inner for c in row}, {"000000"})
        for outside in ((126, 104), (162, 104), (144, 86), (144, 122)):
            self.assertNotEqual(pixel(self.at(outside)), "000000", outside)

    def test_exit_question_answered_no_keeps_running(self):
        self.launch()
        self.answer_exit("Tab", "Return")
        self.assertTrue(poll(lambda: windows(TITLE) == [self.wid]), "the question stays")
        self.assertFalse(poll(lambda: self.proc.poll() is not None, 0.5), "No ended the program")
        self.assertShown("000000")

    def test_exit_question_yes_is_default_and_ends_with_status_0(self):
        self.launch()
        self.answer_exit("Return")
        self.assertEnds()

    def test_yes_while_pick_armed_ends_at_once(self):
        self.launch()
        self.arm()
        self.answer_exit("Return")
        self.assertEnds()

    def test_window_manager_close_ends_without_question(self):
        self.launch()
        x("xdotool", "key", "alt+F4")  # openbox's Close: WM_DELETE_WINDOW
        poll(lambda: self.proc.poll() is not None or len(windows(TITLE)) > 1)
        self.assertLessEqual(len(windows(TITLE)), 1, "a question was shown on close")
        self.assertEnds()

    def test_pick_from_desktop_root(self):
        self.launch(root="996633")
        self.pick(DESKTOP)
        self.assertShown("996633")  # exactly six characters, no line end
        targets = x("xclip", "-selection", "clipboard", "-o", "-t", "TARGETS").split()
        self.assertIn(b"UTF8_STRING", targets)

    def test_pick_with_right_button(self):
        self.launch(root="0A141E")
        self.pick((SCREEN[0] - 40, SCREEN[1] - 40), button=3)
        self.assertShown("0A141E")

    def test_pick_from_another_programs_window_does_not_press_it(self):
        self.launch()
        _, (left, top, width, height) = self.show("source", 80, b"\x1E\x90\xC8" * 6400, 700, 80)
        before = set(windows("."))
        self.pick((left + width // 2, top + height // 2))
        self.assertShown("1E90C8")
        # A press that reached display would have opened its command window.
        self.assertEqual(set(windows(".")), before)

    def test_press_over_clear_while_armed_picks_and_does_not_clear(self):
        self.launch(root="996633")
        self.pick(DESKTOP)
        expected = self.pick(self.at(CLEAR))
        self.assertNotIn(expected, ("000000", "996633"))
        self.assertShown(expected)

    def test_press_on_window_while_idle_changes_nothing(self):
        self.launch(root="996633")
        self.pick(DESKTOP)  # idle again, after a completed pick
        self.assertNotIn(pixel(self.at(BLANK)), ("000000", "996633"))
        press(self.at(BLANK), 1)
        press(self.at(BLANK), 3)
        self.assertShown("996633")

    def test_pick_at_scale_2_reads_one_device_pixel(self):
        # Four colours alternating on single device pixels: any rounding to a neighbour shows.
        palette = [bytes.fromhex(c) for c in ("112233", "C04080", "30A060", "E0D010")]
        pattern = b"".join(palette[(c & 1) + 2 * (r & 1)] for r in range(64) for c in range(64))
        _, (left, top, _, _) = self.show("pattern", 64, pattern, 40, 40)
        target = ((left + 21) | 1, (top + 21) | 1)  # an odd device coordinate
        around = grab(target[0] - 1, target[1] - 1, 3, 3)
        self.assertNotIn(around[1][1], {around[1][0], around[1][2], around[0][1], around[2][1]},
                         "the pattern is not one device pixel per colour")
        self.launch(scale=2)
        self.assertEqual(self.width, CLIENT[0] * 2)
        self.pick(target)
        self.assertShown(around[1][1])

    def test_stay_on_top_set_and_cleared_in_place(self):
        other, _ = self.show("other", 60, b"\x80" * 10800, 900, 500)
        self.launch()
        place = geometry(self.wid)
        above = lambda: b"_NET_WM_STATE_ABOVE" in x("xprop", "-id", str(self.wid), "_NET_WM_STATE")
        for checked in (True, False):
            press(self.at(CHECK_BOX))
            self.assertTrue(poll(lambda: above() == checked), "ABOVE state not %s" % checked)
            self.assertEqual((windows(TITLE), geometry(self.wid)), ([self.wid], place))
            # With the other window active, kolwe stays above it only while checked.
            x("xdotool", "windowactivate", "--sync", str(other))
            stacking = x("xprop", "-root", "_NET_CLIENT_LIST_STACKING").decode()
            order = [int(w, 16) for w in re.findall(r"0x[0-9a-f]+", stacking)]
            self.assertEqual(order.index(self.wid) > order.index(other), checked)

def main():
    # SIGTERM raises KeyboardInterrupt: unittest lets this one through, so the run stops here.
    signal.signal(signal.SIGTERM, signal.default_int_handler)
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
    run, failed = (result.testsRun, len(result.failures) + len(result.errors)) if result else (0, 1)
    passed = run - failed - len(result.skipped) if result else 0
    print("x11 suite took %.1f s" % (time.monotonic() - started))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed or not run else 0

if __name__ == "__main__":
    sys.exit(main())
