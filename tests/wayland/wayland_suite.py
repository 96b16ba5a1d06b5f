#!/usr/bin/env python3
""""get" through the desktop portal: the real frontend (xdg-desktop-portal) with our test backend
on a private session bus; kolwe on Xvfb, then inside weston nested in that Xvfb, as an X client
under XWayland and as a native Wayland client. Input (xdotool) and pixels (ImageMagick's import)
go through the outer Xvfb. Usage: wayland_suite.py KOLWE [unittest args]"""
import os, pathlib, re, subprocess, sys, tempfile, time, unittest

if "KOLWE_RIG" not in os.environ:  # rerun on a private session bus, as root with private X sockets
    os.environ["KOLWE_RIG"] = "1"
    rerun = ["dbus-run-session", "--", sys.executable, *sys.argv]
    if os.geteuid() == 0:
        rerun = ["unshare", "--mount", "--net", "--fork", "sh", "-c", "mkdir -p /tmp/.X11-unix && "
                 'mount -t tmpfs tmpfs /tmp/.X11-unix && exec "$@"', "sh", *rerun]
    os.execvp(rerun[0], rerun)

KOLWE = os.path.abspath(sys.argv.pop(1))
BACKEND, DESKTOP = "org.freedesktop.impl.portal.desktop.kolwetest", "kolwetest"
GET, SWATCH = (196, 92), (144, 104)  # client-area points
WORK = pathlib.Path(tempfile.mkdtemp(prefix="kolwe-wayland-"))
ANSWER = WORK / "answer"
_children = []

def spawn(args, **kwargs):
    _children.append(subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL, **kwargs))
    return _children[-1]

def x(*args, **kwargs):
    return subprocess.run(args, capture_output=True, timeout=20, **kwargs).stdout

def poll(probe, timeout=20.0):
    deadline = time.monotonic() + timeout
    while not (result := probe()) and time.monotonic() < deadline:
        time.sleep(0.05)
    return result

def grab(left, top, width=1, height=1):
    raw = x("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, left, top),
            "+repage", "-depth", "8", "rgb:-")
    return [raw[i:i + 3].hex().upper() for i in range(0, len(raw), 3)]

def client_origin():
    """The client area's top-left corner: the left end of its grey top line, the one grey run on
    the screen longer than 230 pixels."""
    width = 1024
    raw = x("import", "-window", "root", "-depth", "8", "rgb:-")
    at = raw.find(b"\x80" * 3 * 230)
    return at >= 0 and (at // 3 % width, at // 3 // width)

def setUpModule():
    os.environ.update(XDG_RUNTIME_DIR=str(WORK), XDG_DESKTOP_PORTAL_DIR=str(WORK),
                      XDG_CURRENT_DESKTOP=DESKTOP)
    (WORK / (DESKTOP + ".portal")).write_text(
        "[portal]\nDBusName=%s\nUseIn=%s\nInterfaces=org.freedesktop.impl.portal.Screenshot;"
        "org.freedesktop.impl.portal.Access;\n" % (BACKEND, DESKTOP))
    ANSWER.write_text("")
    read_end, write_end = os.pipe()
    spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24"], pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        os.environ["DISPLAY"] = ":" + pipe.readline().strip()
    # The backend owns its name before the frontend looks for it. python3-gi is the system's.
    spawn(["/usr/bin/python3", pathlib.Path(__file__).with_name("portal_backend.py"), BACKEND, ANSWER])
    x("gdbus", "wait", "--session", "--timeout", "10", BACKEND)
    spawn(["/usr/libexec/xdg-desktop-portal"])
    x("gdbus", "wait", "--session", "--timeout", "10", "org.freedesktop.portal.Desktop")

def tearDownModule():
    for child in reversed(_children):
        child.kill()

class GetThroughPortal(unittest.TestCase):
    def launch(self, **env):
        proc = spawn([KOLWE], env=dict(os.environ, **env))
        self.addCleanup(proc.kill)
        self.origin = poll(client_origin)
        self.assertTrue(self.origin and poll(self.enabled), "no kolwe window on the screen")
        return proc

    def at(self, dx, dy):
        return self.origin[0] + dx, self.origin[1] + dy

    def enabled(self):
        """"get"'s caption is drawn dark when it is enabled and light grey when not."""
        return min(int(c[2:4], 16) for c in grab(*self.at(GET[0] - 10, GET[1] - 6), 20, 12)) < 100

    def press_get(self, answer):
        ANSWER.write_text(answer)
        x("xdotool", "mousemove", *map(str, self.at(*GET)), "click", "1")

    def assertPicks(self, answer, colour):
        """A press on "get", answered by the backend: the swatch shows colour, "get" is enabled."""
        self.press_get(answer)
        self.assertTrue(poll(lambda: ANSWER.read_text() == ""), "the portal was not asked")
        self.assertTrue(poll(self.enabled), "the answer did not complete the pick")
        self.assertEqual(grab(*self.at(*SWATCH))[0], colour)

    def test_on_xvfb_the_colour_is_the_portals_and_exit_ends_a_pending_pick(self):
        x("xsetroot", "-solid", "#204060")  # what the screen would give under the pointer
        proc = self.launch(QT_QPA_PLATFORM="xcb", WAYLAND_DISPLAY="wayland-kolwe")
        for code in "12":  # cancelled, failed: the colour stays
            self.assertPicks(code + " 0.2 0.4 0.6", "000000")
        self.assertPicks("0 0.2 0.4 0.6", "336699")
        self.press_get("")  # left unanswered
        self.assertTrue(poll(lambda: not self.enabled()), "get did not arm a pick")
        x("xdotool", "key", "alt+x")
        poll(lambda: len(x("xdotool", "search", "--name", "^ミロカver1.10$").split()) == 2)
        x("xdotool", "key", "Return")  # Yes
        self.assertEqual(poll(proc.poll, 10), 0)

    def test_in_weston_as_x_client_under_xwayland_and_as_wayland_client(self):
        log = WORK / "weston.log"
        self.addCleanup(spawn(["weston", "--backend=x11-backend.so", "--use-pixman", "--xwayland",
                               "--idle-time=0", "--shell=kiosk-shell.so", "--socket=wayland-kolwe",
                               "--log=%s" % log]).kill)
        xwayland = poll(lambda: re.search(r"xserver listening on display (:\d+)", log.read_text() if log.exists() else ""))
        self.assertTrue(xwayland, "weston did not start XWayland")
        env = dict(WAYLAND_DISPLAY="wayland-kolwe", DISPLAY=xwayland[1], XDG_SESSION_TYPE="wayland")
        for platform, colour in (("", "CC9966"), ("wayland", "0080FF")):  # "" lets kolwe choose
            with self.subTest(platform=platform):
                proc = self.launch(QT_QPA_PLATFORM=platform, **env)
                if not platform:  # an X client: it chose X11 under XWayland
                    self.assertTrue(x("xdotool", "search", "--name", "ミロカ", env=dict(os.environ, **env)))
                self.assertPicks("0 %g %g %g" % tuple(int(colour[i:i+2], 16) / 255 for i in (0, 2, 4)), colour)
                proc.kill()
                self.assertTrue(poll(lambda: not client_origin()), "the window stays on the screen")

if __name__ == "__main__":
    unittest.main()
