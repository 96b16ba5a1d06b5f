#!/usr/bin/env python3
"""kolwe's own pick on a wlroots desktop beside the desktop portal's, on the tests' private sway
(one 1280 x 720 output at scale 1): the median, 95th percentile and largest over RUNS picks (30
unless set) and MOTIONS pointer motions (300). Every figure runs from an event sent here to sway
reading a commit: sway logs what it reads (WAYLAND_DEBUG=server) by the real-time clock, which
stamps the events sent here too, so no polling enters a figure. kolwe itself runs unlogged but
for one more run of the motions with its own log, which splits their time and shows what the
log costs. xdg-desktop-portal 1.16 offers the Screenshot portal only beside an Access backend
(on a sway desktop xdg-desktop-portal-gtk's): a bus name of ours stands in, which PickColor never
asks. xdg-desktop-portal-wlr 0.7 ends at once without PipeWire: a private pipewire runs.

  bench/wlroots_pick.py [path/to/kolwe]      (default build/kolwe; build it in Release)"""
import os, pathlib, re, statistics, subprocess, sys, threading, time

if "KOLWE_BENCH_BUS" not in os.environ:  # rerun on a private session bus, in the python with gi
    os.environ["KOLWE_BENCH_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", "/usr/bin/python3", *sys.argv])

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests/support"))
import sway_rig  # noqa: E402
from rig import poll, spawn, stop, stop_all  # noqa: E402
from gi.repository import Gio, GLib  # noqa: E402

KOLWE = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/kolwe")
RUNS, MOTIONS = int(os.environ.get("RUNS", 30)), int(os.environ.get("MOTIONS", 300))
OUTPUT, WIDTH, HEIGHT, FULL = "HEADLESS-1", 1280, 720, 0xFFFFFFFF
TITLE, CLIENT_HEIGHT, GET, SWATCH = "ミロカver1.10", 153, (196, 92), (144, 104)
ACCESS = "org.freedesktop.impl.portal.desktop.kolwebench"
AT = r"\[ *(?P<t>[\d.]+)\] +(?:-> )?"  # a logged message's time
LAYER = r'get_layer_surface\(new id \S+, wl_surface@(\d+), [^\n]*"%s"\)\n(?:.*\n)*?'
OVERLAY = (LAYER % "kolwe-pick" + r".*wl_surface@\1\.attach\(.*\n.*wl_surface@\1\.damage\(0, 0, "
           r"2147483647, 2147483647\)\n" + AT + r"wl_surface@\1\.commit\(\)")  # Qt damages less
LOUPE = r"set_margin\(%s, 0, 0, %s\)\n(?:.*\n)*?" + AT + r"wl_surface@\d+\.commit\(\)"
MOTION = AT + r"wl_pointer@\d+\.motion\(\d+, %d\.50*, %d\.50*\)"
WINDOW = r"wl_surface@(\d+)\.damage_buffer\(.*\n(?:.*\n)*?" + AT + r"wl_surface@\1\.commit\(\)"
SLURP = LAYER % "selection" + r".*wl_surface@\1\.attach\(.*\n(?:.*\n)*?" + AT + r"wl_surface@\1\.commit"


class Log:
    """A WAYLAND_DEBUG log being written: the time from mark() to a message logged after it."""
    def __init__(self, path):
        self.path = pathlib.Path(path)

    def mark(self):
        self.start, self.t0 = self.path.stat().st_size, time.time_ns() // 1000

    def wait(self, pattern):
        text, deadline = "", time.monotonic() + 10
        with open(self.path, "rb") as log:
            log.seek(self.start)
            while time.monotonic() < deadline:
                more = log.read().decode(errors="replace")
                if more and (found := re.search(pattern, text := text + more)):
                    return ((round(float(found["t"]) * 1000) - self.t0 + 2**31) % 2**32 - 2**31) / 1000
                time.sleep(0.003)
        sys.exit("wlroots_pick: no %r in %s" % (pattern, self.path))


def move(point, *logs):
    """An absolute motion to the centre of the output's pixel, the logs marked just before."""
    for log in logs:
        log.mark()
    devices = sway_rig._devices[0]
    devices.pointer_event(1, round((point[0] + .5) / WIDTH * FULL), round((point[1] + .5) / HEIGHT * FULL),
                          FULL, FULL)  # motion_absolute
    devices.roundtrip()


def press(log):
    log.mark()
    sway_rig.press()


def target(run):  # a pixel off kolwe's window, the loupe beside it unflipped
    return 100 + run * 13 % 300, 100 + run * 7 % 100


def start_kolwe(log=None):
    """kolwe with its window drawn and its start-up over, and where its client area lies."""
    env = dict(os.environ, QT_QPA_PLATFORM="wayland", **({"WAYLAND_DEBUG": "client"} if log else {}))
    proc = spawn([KOLWE], log=open(log, "wb") if log else subprocess.DEVNULL, env=env)
    def drawn():  # floating, in its place, with its swatch painted black
        w = sway_rig.window(TITLE)
        at = w and (lambda p: (w[0] + p[0], w[1] + w[3] - CLIENT_HEIGHT + p[1]))
        return w and sway_rig.truth(OUTPUT).pixel(*at(SWATCH)) == "000000" and at
    at = poll(drawn) or sys.exit("wlroots_pick: no kolwe window drawn")
    time.sleep(1)
    return proc, at


def arm(sway, at, point):
    """Presses get, then brings the pointer to the point: the times to the overlay and to the
    first loupe."""
    move(at(GET))
    time.sleep(0.2)  # the button's hover repaint
    press(sway)
    armed = sway.wait(OVERLAY), sway.wait(LOUPE % (r"\d+", r"\d+"))
    move(point, sway)
    sway.wait(LOUPE % (point[1] + 24, point[0] + 24))
    time.sleep(0.05)  # the loupe's second commit, on sway's configure, passes
    return armed


def motions(sway, at, *probes):
    """An armed pick whose pointer moves a few pixels at a time, then picks: for each probe (a
    log and what to find in it) the times from each motion, ten warm-up motions left out."""
    arm(sway, at, target(0))
    times = [[] for _ in probes]
    for run in range(MOTIONS + 10):
        point = 200 + run * 3 % 600, 150 + run * 2 % 300
        move(point, *(log for log, _ in probes))
        for (log, pattern), found in zip(probes, times):
            found.append(log.wait(pattern(*point)))
        time.sleep(0.005 + run % 7 * 0.003)  # out of step with sway's frames
    sway_rig.press()
    return [found[10:] for found in times]


def loupe_in(log):
    return log, lambda x, y: LOUPE % (y + 24, x + 24)


def own_pick(sway, shot):
    """RUNS picks from the window after a warm-up one, then the motions, then the motions
    again with kolwe's own log."""
    proc, at = start_kolwe()
    armed, coloured = [], []
    for run in range(RUNS + 1):
        armed.append(arm(sway, at, target(run)))
        press(sway)
        coloured.append(sway.wait(WINDOW))
        swatch, want = lambda: sway_rig.truth(OUTPUT).pixel(*at(SWATCH)), shot.pixel(*target(run))
        poll(lambda: swatch() == want) or sys.exit("wlroots_pick: the swatch shows " + swatch())
        time.sleep(0.1)
    loupe, = motions(sway, at, loupe_in(sway))
    stop(proc)
    own = Log(sway_rig.WORK / "kolwe.log")
    proc, at = start_kolwe(own.path)
    logged = motions(sway, at, (own, lambda x, y: MOTION % (x, y)), loupe_in(own), loupe_in(sway))
    stop(proc)
    return [*zip(*armed[1:]), coloured[1:], loupe, *logged]


def portal_pick(sway, shot):
    """RUNS picks through the portal after a warm-up one: the times from PickColor to slurp's
    overlay, and from the press to the Response."""
    spawn(["pipewire"])
    poll(lambda: (pathlib.Path(os.environ["XDG_RUNTIME_DIR"]) / "pipewire-0").exists())
    portals = sway_rig.WORK / "portals"
    portals.mkdir()
    (portals / "wlr.portal").symlink_to("/usr/share/xdg-desktop-portal/portals/wlr.portal")
    (portals / "bench.portal").write_text("[portal]\nDBusName=%s\nInterfaces=org.freedesktop.impl."
                                          "portal.Access;\nUseIn=sway\n" % ACCESS)
    os.environ.update(XDG_CURRENT_DESKTOP="sway", XDG_DESKTOP_PORTAL_DIR=str(portals),
                      XDG_CONFIG_HOME=str(sway_rig.WORK))
    Gio.bus_own_name(Gio.BusType.SESSION, ACCESS, 0, None, None, None)
    threading.Thread(target=GLib.MainLoop().run, daemon=True).start()
    for name, program in ((ACCESS, None), ("org.freedesktop.impl.portal.desktop.wlr", "xdg-desktop-portal-wlr"),
                          ("org.freedesktop.portal.Desktop", "xdg-desktop-portal")):
        if program:
            spawn(["/usr/libexec/" + program])
        subprocess.run(["gdbus", "wait", "--session", "--timeout", "10", name], check=True)
    bus, answers = Gio.bus_get_sync(Gio.BusType.SESSION), []
    bus.signal_subscribe(None, "org.freedesktop.portal.Request", "Response", None, None, 0,
                         lambda *signal: answers.append((time.time_ns() // 1000, signal[5].unpack())))
    armed, answered = [], []
    for run in range(RUNS + 1):
        move(target(run))
        sway.mark()
        bus.call_sync("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                      "org.freedesktop.portal.Screenshot", "PickColor", GLib.Variant("(sa{sv})", (
                          "", {"handle_token": GLib.Variant("s", "kolwe%d" % run)})), None, 0, 10000, None)
        armed.append(sway.wait(SLURP))
        time.sleep(0.1)  # slurp hears of the pointer
        press(sway)
        poll(lambda: len(answers) > run) or sys.exit("wlroots_pick: the portal did not answer")
        code, results = answers[run][1]
        colour = "%02X%02X%02X" % tuple(round(c * 255) for c in results.get("color", (-1, -1, -1)))
        if (code, colour) != (0, shot.pixel(*target(run))):
            sys.exit("wlroots_pick: the portal answered %d, %s" % (code, colour))
        answered.append((answers[run][0] - sway.t0) / 1000)
        time.sleep(0.1)
    return armed[1:], answered[1:]


def report(what, times):
    times = sorted(times)
    print("%-44s median %6.2f ms, 95th percentile %6.2f ms, largest %6.2f ms"
          % (what, statistics.median(times), times[min(len(times) - 1, int(0.95 * len(times)))], times[-1]))


try:
    os.environ["WAYLAND_DEBUG"] = "server"  # for sway: clients ignore it
    sway_rig.start_sway([(OUTPUT, WIDTH, HEIGHT, 1, "normal", 0, 0)])
    del os.environ["WAYLAND_DEBUG"]
    sway, shot = Log(sway_rig.WORK / "sway.log"), sway_rig.truth(OUTPUT)
    overlay, loupe, coloured, moved, heard, sent, read = own_pick(sway, shot)
    slurp, answered = portal_pick(sway, shot)
    print("sway 1.7 headless, 1280 x 720 at scale 1, %d picks and %d motions; from the event sent to"
          " sway reading the commit, or to the Response here" % (RUNS, MOTIONS))
    for what, times in (("kolwe: get to overlay", overlay),
                        ("kolwe: get to first loupe", loupe),
                        ("kolwe: press to colour in the window", coloured),
                        ("kolwe: motion to loupe", moved),
                        ("  kolwe logging: to the motion read", heard),
                        ("  kolwe logging: to the commit sent", sent),
                        ("  kolwe logging: kolwe's share", [s - h for h, s in zip(heard, sent)]),
                        ("  kolwe logging: to the commit read", read),
                        ("portal: PickColor to slurp's overlay", slurp),
                        ("portal: press to Response", answered)):
        report(what, times)
finally:
    stop_all()
    subprocess.run(["rm", "-rf", str(sway_rig.WORK)])
