#!/usr/bin/env python3
"""kolwe on its own Xvfb and openbox: real input (xdotool), real pixels (ImageMagick's import),
the real clipboard (xclip) and window state (xprop), on one screen and on two monitors of
different scales. Usage: x11_suite.py KOLWE [unittest args]"""
import os, pathlib, subprocess, sys, tempfile, threading, time, unittest

sys.path.insert(0, str(pathlib.Path(__file__).parents[1] / "support"))
from rig import (PointerAndKeyboardGrab, active, can_grab, caption_dark, geometry, grab, kolwe_lines,
                 poll, press, said, spawn, spawn_kolwe, start_desktop, stop, stop_all,
                 untrapped_errors, windows, x)

KOLWE = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else "build/kolwe"
# Room for the window at scale 5, where it opens at device pixels (1320, 1075).
TITLE, SCREEN, CLIENT = "^ミロカver1.10$", (2560, 2048), (240, 153)
# Client-area points (logical pixels) inside the controls the tests press or read.
COPY, CLEAR, GET = (196, 44), (196, 68), (196, 92)
CHECK_BOX, SWATCH, RED_FIELD = (16, 144), (144, 104), (44, 24)
RED_LEFT_ARROW, RED_TRACK, RED_THUMB_AT_0 = (68, 24), (112, 24), (88, 24)
SENTINEL = b"x11-suite-sentinel"
_workdir = tempfile.TemporaryDirectory(prefix="kolwe-x11-")

os.environ.pop("QT_QPA_PLATFORM", None)  # kolwe finds the X display by itself
os.environ.update(XDG_RUNTIME_DIR=_workdir.name, XDG_CONFIG_HOME=_workdir.name)

class KolweWindow(unittest.TestCase):
    """Starts kolwe and reads and presses its window as a user would."""
    def launch(self, scale=1, root=None, env=None):
        """Starts kolwe at scale (QT_SCALE_FACTOR, unless env) and waits for its window."""
        if root:  # a desktop of one colour
            x("xsetroot", "-solid", "#" + root)
        env = dict(os.environ, **({"QT_SCALE_FACTOR": str(scale)} if env is None else env))
        self.proc = proc = spawn_kolwe([KOLWE], env=env)
        self.addCleanup(lambda: self.assertEqual(untrapped_errors(proc), []))
        self.addCleanup(stop, proc)
        found = poll(lambda: windows(TITLE), timeout=10)
        self.assertTrue(found, "no window titled " + TITLE)
        self.wid = found[0]
        self.place(scale)
        self.assertTrue(poll(lambda: self.enabled(GET), timeout=10), "never painted")
        self.assertTrue(poll(lambda: active() == self.wid), "the new window has no focus")

    def place(self, scale):
        """Where the window now is, drawn at the scale of its monitor."""
        left, top, self.width, self.height = geometry(self.wid)
        # The client area lies under the menu bar, at the bottom of the window.
        self.scale, self.origin = scale, (left, top + self.height - CLIENT[1] * scale)

    def at(self, point):
        return (int(self.origin[0] + point[0] * self.scale), int(self.origin[1] + point[1] * self.scale))

    def enabled(self, button):
        return caption_dark(*self.at((button[0] - 10, button[1] - 6)), int(20 * self.scale),
                            int(12 * self.scale))

    def pick(self, at=None, button=1):
        """Arms a pick; given at, presses there and checks that the colour under it is shown."""
        press(self.at(GET))  # the pointer grab is in place once "get" is disabled
        self.assertTrue(poll(lambda: not self.enabled(GET)), "get did not arm a pick")
        if at:
            x("xdotool", "mousemove", str(at[0]), str(at[1]))
            under = grab(*at)[0]
            x("xdotool", "click", str(button))
            self.assertTrue(poll(lambda: self.enabled(GET)), "the press did not complete the pick")
            self.assertShown(under)
            return under

    def assertShown(self, colour):
        """The swatch shows colour, and "copy" puts exactly its hex text on the clipboard."""
        # Over a sentinel, served by an xclip that stays behind, so it must not hold our pipe.
        x("xclip", "-selection", "clipboard", "-i", input=SENTINEL, stdout=subprocess.DEVNULL)
        press(self.at(COPY))
        copied = poll(lambda: x("xclip", "-selection", "clipboard", "-o").replace(SENTINEL, b""))
        self.assertEqual((grab(*self.at(SWATCH))[0], copied), (colour, colour.encode()))

class KolweOnX11(KolweWindow):
    @classmethod
    def setUpClass(cls):
        start_desktop(*SCREEN)

    def test_yes_is_default_and_ends_with_status_0_while_pick_armed(self):
        self.launch()
        self.pick()
        x("xdotool", "key", "alt+x")  # the question shows, with the keyboard focus, and Yes is default
        self.assertTrue(poll(lambda: [w for w in windows(TITLE) if w != self.wid] == [active()]))
        x("xdotool", "key", "Return")
        poll(lambda: self.proc.poll() is not None, timeout=10)  # the leak check at exit, on a busy CI
        self.assertEqual(self.proc.poll(), 0, "kolwe did not end with status 0")

    def test_get_while_another_program_holds_the_pointer_says_so_then_picks_once_it_lets_go(self):
        self.launch(root="336699")
        x("xdotool", "mousemove", "10", "10")  # over the desktop
        with PointerAndKeyboardGrab(keyboard=False) as other:
            self.assertTrue(other.held)
            x("xdotool", "key", "shift+Tab", "shift+Tab", "space")  # "get", from the red field
            self.assertTrue(poll(lambda: said(self.proc)), "no line on standard error")
        self.assertEqual(said(self.proc), ["kolwe: cannot grab the pointer: another program holds it"])
        self.assertTrue(poll(lambda: self.enabled(GET)), "get stays disabled")
        self.assertEqual(grab(*self.at(SWATCH))[0], "000000")  # no colour was picked
        self.assertEqual(self.pick((40, SCREEN[1] - 40)), "336699")  # copied as six characters, no line end
        self.assertIn(b"UTF8_STRING", x("xclip", "-selection", "clipboard", "-o", "-t", "TARGETS").split())
        self.assertNotIn(self.pick(self.at(CLEAR)), ("000000", "336699"))  # over "clear", not clearing

    def test_thumb_drag_and_track_click_at_scales_5_and_4(self):
        """Track columns over 255 device pixels wide: scale 5 through Qt, and scale 4 from the X
        resources alone, as a desktop's font settings give it."""
        for scale, env in ((5, None), (4, {})):
            if scale == 4:
                x("xrdb", "-merge", input=b"Xft.dpi: 384\n")
                self.addCleanup(x, "xrdb", "-remove")
            self.launch(scale, env=env)
            x("xdotool", "mousemove", *map(str, self.at(RED_THUMB_AT_0)), "mousedown", "1")
            x("xdotool", "mousemove", *map(str, self.at((118, 24))), "mouseup", "1")  # (118 - 80) / 64 of 255
            self.assertShown("970000")
            press(self.at((96, 24)))  # on the track, left of the thumb: (96 - 80) / 64 of 255
            self.assertShown("400000")
            stop(self.proc)

    def replace_window_manager(self, command):
        before = x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK")
        spawn([command, "--replace"])
        changed = lambda: x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK") not in (before, b"")
        self.assertTrue(poll(changed, 20), command + " did not take over")

    def test_stay_on_top_set_and_cleared_in_place_at_a_fixed_size_under_openbox_and_icewm(self):
        """The check box sets and clears the window's ABOVE state, the window staying where it
        is. Neither hint offers resize or maximise (Motif bits 2, 16 and 4, 64), and a window
        manager that maximises or resizes on another client's request gets undone."""
        above = lambda: b"_NET_WM_STATE_ABOVE" in x("xprop", "-id", str(self.wid), "_NET_WM_STATE")
        for manager in ("openbox", "icewm"):
            if manager != "openbox":
                self.replace_window_manager(manager)
                self.addCleanup(self.replace_window_manager, "openbox")
            self.launch()
            place = geometry(self.wid)
            for checked in (True, False):  # changing a window flag makes Qt rewrite the hints
                press(self.at(CHECK_BOX))
                self.assertTrue(poll(lambda: above() == checked), (manager, "above", checked))
                self.assertEqual((windows(TITLE), geometry(self.wid)), ([self.wid], place))
            hints = x("xprop", "-id", str(self.wid), "_MOTIF_WM_HINTS").split(b"=")[1]
            functions, decorations = [int(v, 16) for v in hints.split(b",")[1:3]]
            self.assertEqual((functions & 18, decorations & 68), (0, 0), manager)
            size = geometry(self.wid)[2:]
            for request in (["wmctrl", "-i", "-r", str(self.wid), "-b", "add,maximized_vert"],
                            ["xdotool", "windowsize", str(self.wid), "500", "400"]):
                x(*request)
                poll(lambda: geometry(self.wid)[2:] != size, timeout=1)  # if the manager obeys
                poll(lambda: geometry(self.wid)[2:] == size)
                self.assertEqual(geometry(self.wid)[2:], size, (manager, request[0]))
            stop(self.proc)

    def test_command_line_answers_without_a_window(self):
        no_display = {k: v for k, v in os.environ.items()
                      if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        for args, env, status, output in (
                (["--version"], None, 0, "kolwe 1.10\n"),
                (["--colour"], None, 2, "kolwe: Unknown option 'colour'. (try kolwe --help)\n"),
                (["--pick", "-v"], None, 2, "kolwe: --pick takes no other argument (try kolwe --help)\n"),
                ([], no_display, 1, "kolwe: cannot open display\n")):
            run = subprocess.run([KOLWE] + args, env=env, capture_output=True, text=True, timeout=10)
            shown = run.stderr or run.stdout.splitlines(keepends=True)[0]  # errors: one line
            self.assertEqual((run.returncode, shown, windows(TITLE)), (status, output, []), args)

MONITOR = (1024, 768)

def where(point):
    """The colour of the desktop's pixel at point: red and blue are x and y modulo 256, green
    holds their high bits."""
    return "%02X%02X%02X" % (point[0] & 255, point[0] >> 8 | point[1] >> 8 << 4, point[1] & 255)

class KolweOnTwoMonitors(KolweWindow):
    """One X screen of two RandR monitors side by side, which Qt reads as two screens, at scales
    1 and 2 in both orders; every pixel of the desktop tells where it is."""
    ORDERS = (({"QT_SCREEN_SCALE_FACTORS": "A=1;B=2"}, 1, 2), ({"QT_SCREEN_SCALE_FACTORS": "A=2;B=1"}, 2, 1))

    @classmethod
    def setUpClass(cls):
        width, height = MONITOR
        start_desktop(2 * width, height, monitors=(("*A", 0, width), ("B", width, width)))
        desktop = pathlib.Path(_workdir.name, "where.ppm")
        desktop.write_bytes(b"P6 %d %d 255\n" % (2 * width, height) + b"".join(
            bytes.fromhex("".join(where((px, py)) for px in range(2 * width))) for py in range(height)))
        x("display", "-window", "root", str(desktop))

    def test_picks_loupe_and_bar_clicks_on_both_monitors(self):
        width, height = MONITOR
        points = ((0, 0), (width - 1, height - 1), (width, 0), (2 * width - 1, height - 1),
                  (width - 1, height // 2), (width, height // 2))
        # Away from kolwe's window: beside the pointer, after a jump onto where the loupe was,
        # flipped near a monitor's corner, and where it just fits at scale 1.
        pointers = ((100, 100), (130, 130), (width - 10, height - 10), (width + 100, 100),
                    (2 * width - 10, height - 10), (width - 24 - 120, 100))
        for env, scale_a, scale_b in self.ORDERS:
            self.launch(scale_a, env=env)
            for point in points:  # at both monitors' corners and at the seam
                self.assertEqual(self.pick(point), where(point), (env, point))
            self.pick()
            for pointer in pointers:
                x("xdotool", "mousemove", *map(str, pointer))
                self.assertLoupeShows(pointer, scale_a if pointer[0] < width else scale_b, (env, pointer))
            x("xdotool", "click", "1")
            self.assertTrue(poll(lambda: not windows("kolwe-loupe", "--class")), "the loupe stays")
            press(self.at(CLEAR))
            # Moved to the other monitor, the window takes its scale, and so do the bars.
            x("xdotool", "windowmove", "--sync", str(self.wid), str(width + 200), "100")
            poll(lambda: geometry(self.wid)[2] == CLIENT[0] * scale_b)
            self.place(scale_b)
            press(self.at(RED_TRACK))  # the middle of the track column
            self.assertShown("800000")
            press(self.at(RED_FIELD))
            x("xdotool", "key", "ctrl+a", "type", "100")
            press(self.at(RED_LEFT_ARROW))  # outside the column: one step down
            self.assertShown("630000")
            stop(self.proc)

    def assertLoupeShows(self, pointer, scale, row):
        """The loupe stands whole on the pointer's monitor, off the pointer, and shows the 15 x 15
        device pixels around it, each as a block of 8 x 8 logical pixels."""
        block = 8 * scale
        want = [where((pointer[0] - 7 + column, pointer[1] - 7 + line))
                for line in range(15) for column in range(15)]
        def shown():
            found = windows("kolwe-loupe", "--class")
            place = found and geometry(found[0])
            pixels = place and grab(place[0], place[1], 15 * block, 15 * block)
            whole = pixels and len(pixels) == (15 * block) ** 2  # else partly off the screen
            return place, whole and [pixels[(line * block + block // 2) * 15 * block + column * block
                                            + block // 2] for line in range(15) for column in range(15)]
        poll(lambda: shown()[1] == want, timeout=10)
        (left, top, w, h), blocks = shown()
        self.assertEqual(blocks, want, row)
        # Right of and below the pointer where it fits whole on the monitor, else on the other side.
        monitor_right = 2 * MONITOR[0] if pointer[0] >= MONITOR[0] else MONITOR[0]
        gap = 24 * scale
        self.assertEqual((left, top), tuple(p + gap if p + gap + size <= end else p - gap - size
                                            for p, size, end in zip(pointer, (w, h), (monitor_right, MONITOR[1]))), row)
        # The block a press takes is outlined in black, then white, on its own edges.
        square = grab(*(p + 7 * block for p in (left, top)), 2 * scale, 2 * scale)
        self.assertEqual((square[0], square[scale * 2 * scale + scale]), ("000000", "FFFFFF"), row)

    def pick_from_command_line(self, pointer, *keys, env=None, wait_for_loupe=True):
        """kolwe --pick at pointer, then the keys or a right click: status, output, kolwe's lines."""
        x("xdotool", "mousemove", *map(str, pointer))
        proc = subprocess.Popen([KOLWE, "--pick"], env=dict(os.environ, **(env or {})), text=True,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        if wait_for_loupe:  # shown once the grab is in place
            self.assertTrue(poll(lambda: windows("kolwe-loupe", "--class")), "no loupe")
            x("xdotool", *(("key", *keys) if keys else ("click", "3")))
        out, err = proc.communicate(timeout=10)
        return proc.returncode, out, kolwe_lines(err)

    def test_command_line_pick_prints_the_pixel_and_lets_go_of_every_grab(self):
        picked = lambda point: (0, where(point) + "\n", [])
        env = self.ORDERS[0][0]  # A at scale 1, B at scale 2
        for pointer, keys, result in (
                ((100, 100), (), picked((100, 100))),
                ((MONITOR[0] + 300, 300), (), picked((MONITOR[0] + 300, 300))),
                ((200, 200), ("Right", "Right", "shift+Down", "Return"), picked((202, 210))),
                ((200, 200), ("Left", "space"), picked((199, 200))),
                ((200, 200), ("Escape",), (1, "", ["kolwe: pick cancelled"]))):
            self.assertEqual(self.pick_from_command_line(pointer, *keys, env=env), result, keys)
            self.assertTrue(can_grab(), "kolwe --pick left a grab behind")
        # A shortcut daemon may hold both for a moment after it starts kolwe --pick.
        other = PointerAndKeyboardGrab().__enter__()
        threading.Timer(0.3, other.__exit__).start()
        self.assertEqual(self.pick_from_command_line((100, 100)), picked((100, 100)))
        # Held throughout, they are given up after a second.
        started = time.monotonic()
        with PointerAndKeyboardGrab():
            self.assertEqual(self.pick_from_command_line((100, 100), wait_for_loupe=False), (1, "", [
                "kolwe: cannot grab the pointer and keyboard: another program holds them"]))
        self.assertGreater(time.monotonic() - started, 0.9)
        # With only the keyboard held elsewhere, kolwe keeps no hold of the pointer as it waits.
        with PointerAndKeyboardGrab(pointer=False):
            proc = subprocess.Popen([KOLWE, "--pick"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(0.2)
            self.assertTrue(poll(lambda: can_grab(keyboard=False), timeout=0.5), "kolwe held the pointer")
            proc.wait(timeout=10)

if __name__ == "__main__":
    try:
        unittest.main(verbosity=2)
    finally:
        stop_all()
        _workdir.cleanup()
