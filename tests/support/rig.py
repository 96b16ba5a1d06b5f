"""What the suites that run the built kolwe share: processes that die with the suite, a private
Xvfb, polling for a condition, reading the screen's pixels, and kolwe's trace of errors."""
import ctypes, os, re, signal, subprocess, sys, tempfile, time

_children = []
_libc = ctypes.CDLL(None, use_errno=True)

def spawn(args, log=subprocess.DEVNULL, **kwargs):
    """Starts a process that dies with the suite (PR_SET_PDEATHSIG), even a killed one."""
    _children.append(subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                      preexec_fn=lambda: _libc.prctl(1, signal.SIGKILL), **kwargs))
    return _children[-1]

def spawn_kolwe(args, **kwargs):
    """Starts kolwe with its output kept for untrapped_errors()."""
    log = tempfile.TemporaryFile()
    proc = spawn(args, log=log, **kwargs)
    proc.log = log
    return proc

def untrapped_errors(proc):
    """kolwe's lines on errors that reached a handler's boundary; all its output goes to ours."""
    proc.log.seek(0)
    text = proc.log.read().decode(errors="replace")
    sys.stderr.write(text)
    return [line for line in text.splitlines() if "untrapped error" in line]

def kolwe_lines(text):
    """Every line of kolwe's own in its output."""
    return [line for line in text.splitlines() if line.startswith("kolwe:")]

def said(proc):
    """The lines kolwe has written so far that say why something did not work."""
    proc.log.seek(0)
    return [line for line in kolwe_lines(proc.log.read().decode(errors="replace"))
            if "untrapped error" not in line]

def as_user(user, *owned):
    """The command prefix that runs a program as the system user, made if missing, who is given
    the paths; none unless run as root (which mozc and sway refuse)."""
    if os.geteuid() != 0:
        return []
    x("useradd", "--system", "--user-group", "--shell", "/usr/sbin/nologin", user)
    x("chown", "-R", user + ":", *map(str, owned))
    return ["setpriv", "--reuid", user, "--regid", user, "--clear-groups", "--pdeathsig", "KILL"]

def stop(proc):
    for end in (proc.terminate, proc.kill):
        if proc.poll() is None:
            end()
            poll(lambda: proc.poll() is not None, timeout=2)

def stop_all():
    for proc in reversed(_children):
        stop(proc)

def x(*args, stdout=subprocess.PIPE, **kw):
    return subprocess.run(args, stdout=stdout, stderr=subprocess.DEVNULL, timeout=20, **kw).stdout

def poll(probe, timeout=10.0):
    """The first truthy result of probe() within timeout, else its last result."""
    deadline = time.monotonic() + timeout
    while not (result := probe()) and time.monotonic() < deadline:
        time.sleep(0.03)
    return result

def start_xvfb(width=1280, height=1024, monitors=()):
    """A private X server for every client started from now on, with RandR monitors (name, left,
    width) side by side. It never resets, which would forget them and refuse clients meanwhile."""
    read_end, write_end = os.pipe()
    server = spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % (width, height),
                    "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        os.environ["DISPLAY"] = ":" + pipe.readline().strip()
    for name, left, monitor_width in monitors:  # about 96 dpi: 271 mm for 1024 pixels
        x("xrandr", "--setmonitor", name, "%d/%dx%d/%d+%d+0" % (monitor_width, monitor_width * 271 // 1024,
          height, height * 203 // 768, left), "screen" if left == 0 else "none")
    return server

def start_desktop(width=1280, height=1024, monitors=()):
    """A private Xvfb with openbox, a plain X11 desktop."""
    start_xvfb(width, height, monitors)
    spawn(["openbox"])
    if not poll(lambda: b"window id" in x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 20):
        raise RuntimeError("openbox did not come up on " + os.environ["DISPLAY"])

_x11 = ctypes.CDLL("libX11.so.6")
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XDefaultRootWindow.restype = ctypes.c_ulong
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XGrabPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_uint,
                              ctypes.c_int, ctypes.c_int, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong]
_x11.XGrabKeyboard.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                               ctypes.c_int, ctypes.c_ulong]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

class PointerAndKeyboardGrab:
    """Another client's grab of the pointer and the keyboard, or of one of them, held from
    entry to exit; `held` tells whether the server granted it."""
    def __init__(self, pointer=True, keyboard=True):
        self.pointer, self.keyboard = pointer, keyboard

    def __enter__(self):
        self.display = _x11.XOpenDisplay(None)
        root = _x11.XDefaultRootWindow(self.display)  # 1: GrabModeAsync; 0: GrabSuccess
        pointer = self.pointer and _x11.XGrabPointer(self.display, root, 0, 0, 1, 1, 0, 0, 0)
        keyboard = self.keyboard and _x11.XGrabKeyboard(self.display, root, 0, 1, 1, 0)
        self.held = (pointer, keyboard) == (0, 0)
        return self

    def __exit__(self, *_):
        _x11.XCloseDisplay(self.display)

def can_grab(pointer=True, keyboard=True):
    """Whether another client could grab them now."""
    with PointerAndKeyboardGrab(pointer, keyboard) as other:
        return other.held

def windows(name, by="--name"):
    """The X windows shown whose title (or class, by="--class") matches name."""
    return [int(w) for w in x("xdotool", "search", "--onlyvisible", by, name).split()]

def active():
    return int(x("xdotool", "getactivewindow") or 0)

def geometry(wid):
    """An X window's left, top, width and height on the screen."""
    info = x("xwininfo", "-id", str(wid)).decode()
    return tuple(int(re.search(key + r":\s*(-?\d+)", info)[1]) for key in
                 ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

def grab(left, top, width=1, height=1):
    """The screen's pixels in the rectangle, row by row, as hex texts RRGGBB."""
    raw = x("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, left, top),
            "+repage", "-depth", "8", "rgb:-")
    return [raw[i:i + 3].hex().upper() for i in range(0, len(raw), 3)]

def press(at, button=1):
    x("xdotool", "mousemove", str(at[0]), str(at[1]), "click", str(button))

def caption_dark(left, top, width, height):
    """A button's caption is drawn dark when it is enabled and light grey when it is not."""
    return min(int(c[2:4], 16) for c in grab(left, top, width, height)) < 100
