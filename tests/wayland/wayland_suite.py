#!/usr/bin/env python3
# "get" through the desktop portal: the real frontend (xdg-desktop-portal) with our test backend
# on a private session bus; kolwe on Xvfb, then inside weston nested in that Xvfb, as an X client
# under XWayland and as a native Wayland client. Input (xdotool) and pixels (ImageMagick's
# import) go through the outer Xvfb. Usage: wayland_suite.py KOLWE [unittest args]
import os, pathlib, re, subprocess, sys, tempfile, unittest

if "KOLWE_RIG" not in os.environ:  # rerun on a private session bus; as root, with X sockets and
    os.environ["KOLWE_RIG"] = "1"  # display numbers of its own, so XWayland's cannot collide
    rerun = ["dbus-run-session", "--", sys.executable, *sys.argv]
    if os.geteuid() == 0:
        rerun = ["unshare", "--mount", "--net", "--fork", "sh", "-c", "mkdir -p /tmp/.X11-unix && "
                 'mount -t tmpfs tmpfs /tmp/.X11-unix && exec "$@"', "sh", *rerun]
    os.execvp(rerun[0], rerun)

sys.path.insert(0, str(pathlib.Path(__file__).parents[1] / "support"))
from rig import (caption_dark, grab, poll, press, said, spawn, spawn_kolwe, start_xvfb, stop,
                 stop_all, untrapped_errors, x)

KOLWE = os.path.abspath(sys.argv.pop(1))
BACKEND, GET, SWATCH = "org.freedesktop.impl.portal.desktop.kolwetest", (196, 92), (144, 104)
WORK = pathlib.Path(tempfile.mkdtemp(prefix="kolwe-wayland-"))
ANSWER = WORK / "answer"

def client_origin():  # the left end of the client area's grey top line, the one this long
    at = x("import", "-window", "root", "-depth", "8", "rgb:-").find(b"\x80" * 3 * 230) // 3
    return at >= 0 and (at % 1024, at // 1024)

def setUpModule():
    os.environ.update(XDG_RUNTIME_DIR=str(WORK), XDG_DESKTOP_PORTAL_DIR=str(WORK),
                      XDG_CURRENT_DESKTOP="kolwetest")
    # The frontend drops the Screenshot portal unless a backend also offers Access.
    (WORK / "kolwetest.portal").write_text("[portal]\nDBusName=%s\nUseIn=kolwetest\nInterfaces="
        "org.freedesktop.impl.portal.Screenshot;org.freedesktop.impl.portal.Access;\n" % BACKEND)
    ANSWER.write_text("")
    start_xvfb(1024, 768)
    # The backend, on the system's python3-gi, owns its name before the frontend looks for it.
    spawn(["/usr/bin/python3", pathlib.Path(__file__).with_name("portal_backend.py"), BACKEND, ANSWER])
    x("gdbus", "wait", "--session", "--timeout", "10", BACKEND)
    spawn(["/usr/libexec/xdg-desktop-portal"])
    x("gdbus", "wait", "--session", "--timeout", "10", "org.freedesktop.portal.Desktop")

class GetThroughPortal(unittest.TestCase):
    def launch(self, **env):
        proc = spawn_kolwe([KOLWE], env=dict(os.environ, **env))
        self.addCleanup(lambda: self.assertEqual(untrapped_errors(proc), []))
        self.addCleanup(stop, proc)
        self.origin = poll(client_origin)
        self.assertTrue(self.origin and poll(self.enabled), "no kolwe window on the screen")
        return proc

    def at(self, dx, dy):
        return self.origin[0] + dx, self.origin[1] + dy

    def enabled(self):
        return caption_dark(*self.at(GET[0] - 10, GET[1] - 6), 20, 12)

    def assertPicks(self, answer, colour):  # a press on "get" that the backend answers
        ANSWER.write_text(answer)
        press(self.at(*GET))
        self.assertTrue(poll(lambda: not ANSWER.read_text()) and poll(self.enabled), "no answer")
        poll(lambda: grab(*self.at(*SWATCH))[0] == colour)  # the repaint may come a little later
        self.assertEqual(grab(*self.at(*SWATCH))[0], colour)

    def test_on_xvfb_the_colour_is_the_portals_not_the_screens(self):
        x("xsetroot", "-solid", "#204060")  # what the screen would give
        self.launch(QT_QPA_PLATFORM="xcb", WAYLAND_DISPLAY="wayland-kolwe")
        for answer, colour in ("1 .2 .4 .6", "000000"), ("2 .2 .4 .6", "000000"), ("0 .2 .4 .6", "336699"):
            self.assertPicks(answer, colour)
        ANSWER.write_text("0 .8 .6 .4")  # and without a window
        run = subprocess.run([KOLWE, "--pick"], env=dict(os.environ, QT_QPA_PLATFORM="xcb",
                             WAYLAND_DISPLAY="wayland-kolwe"), capture_output=True, text=True, timeout=10)
        self.assertEqual((run.returncode, run.stdout), (0, "CC9966\n"))

    def test_with_no_session_bus_get_says_why_and_stays_usable(self):
        proc = self.launch(QT_QPA_PLATFORM="xcb", WAYLAND_DISPLAY="wayland-kolwe",
                           DBUS_SESSION_BUS_ADDRESS="unix:path=%s/no-bus" % WORK)
        press(self.at(*GET))
        self.assertTrue(poll(lambda: said(proc)) and poll(self.enabled), "no line, or get stays off")
        self.assertEqual([line.split(" (")[0] for line in said(proc)], ["kolwe: no desktop portal answers"])

    def test_in_weston_as_x_client_under_xwayland_and_as_wayland_client(self):
        log = WORK / "weston.log"
        self.addCleanup(stop, spawn(["weston", "--backend=x11-backend.so", "--use-pixman",
                                     "--xwayland", "--idle-time=0", "--shell=kiosk-shell.so",
                                     "--socket=wayland-kolwe", "--log=%s" % log]))
        xwayland = poll(lambda: log.exists() and re.search(r"listening on display (:\d+)", log.read_text()))
        env = dict(WAYLAND_DISPLAY="wayland-kolwe", DISPLAY=xwayland[1], XDG_SESSION_TYPE="wayland")
        # Unasked, kolwe runs under XWayland where an X server answers, and else on Wayland,
        # finding the display's relative name under XDG_RUNTIME_DIR.
        for platform, display, answer, colour in (("", env["DISPLAY"], "0 .8 .6 .4", "CC9966"),
                                                  ("wayland", env["DISPLAY"], "0 0 .5 1", "0080FF"),
                                                  ("", "", "0 1 .4 .2", "FF6633")):
            with self.subTest(platform=platform, display=display):
                proc = self.launch(QT_QPA_PLATFORM=platform, **dict(env, DISPLAY=display))
                on_x = x("xdotool", "search", "--name", "ミロカ", env=dict(os.environ, **env))
                self.assertEqual(bool(on_x), not platform and bool(display))
                self.assertPicks(answer, colour)
                proc.kill()
                self.assertTrue(poll(lambda: not client_origin()), "the window stays on the screen")

if __name__ == "__main__":
    try:
        unittest.main()
    finally:
        stop_all()
