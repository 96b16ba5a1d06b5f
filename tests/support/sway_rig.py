"""A private sway on the headless backend, for the suites that run kolwe as a client of a wlroots
compositor: outputs set at will, a background whose every device pixel differs from its four
neighbours, a cursor that draws nothing, the outputs' exact pixels, a virtual pointer and
keyboard that stay on the seat, and Xwayland open to root's X clients."""
import collections, json, os, pathlib, re, socket, struct, tempfile, time
from rig import as_user, poll, spawn, x

USER = "kolwe-wl"
WORK = pathlib.Path(tempfile.mkdtemp(prefix="kolwe-sway-"))
BUTTONS = {1: 0x110, 2: 0x112, 3: 0x111}  # X button numbers to Linux input codes
KEYS = dict(Escape=1, Return=28, space=57, Up=103, Left=105, Right=106, Down=108)  # Linux input codes
SHIFT = 42  # and its xkb modifier mask is 1
KEYMAP = (b'xkb_keymap { xkb_keycodes { include "evdev" }; xkb_types { include "complete" }; '
          b'xkb_compat { include "complete" }; xkb_symbols { include "pc+us" }; };\0')
_devices = []  # the connection holding the virtual pointer and keyboard

def start_sway(outputs):
    """Starts sway (as USER when root), points every later client at it, then set_outputs()."""
    run, cursors = WORK / "run", WORK / "icons/default/cursors"
    run.mkdir(mode=0o700)
    cursors.mkdir(parents=True)
    # The headless backend draws the cursor into every frame: the theme that sway and clients
    # load by default has one empty 24 x 24 image for each shape (Xcursor: header, table, image).
    for name in "default left_ptr crosshair cross tcross pointer hand2 text xterm wait watch".split():
        (cursors / name).write_bytes(struct.pack("<16I", 0x72756358, 16, 0x10000, 1, 0xFFFD0002, 24, 28,
                                                 36, 0xFFFD0002, 24, 1, 24, 24, 0, 0, 0) + bytes(2304))
    # Steep ramps, unique in a seamless 256 x 256 tile: no two neighbours stay alike even where
    # sway scales swaybg's buffer down to a fractional output scale.
    tile = bytes(c for y in range(256) for x in range(256)
                 for c in (x * 7 % 256, y * 7 % 256, (x + y) * 3 % 256))
    x("convert", "ppm:-", WORK / "tile.png", input=b"P6 256 256 255\n" + tile)
    (WORK / "config").write_text("output * bg %s tile\nfor_window [title=\"^ミロカ\"] floating enable\nfocus_follows_mouse no\n"
                                 % (WORK / "tile.png"))
    os.environ.update(XCURSOR_PATH=str(WORK / "icons"), XCURSOR_THEME="default", XCURSOR_SIZE="24")
    run_as = as_user(USER, WORK)
    env = dict(os.environ, HOME=str(WORK), XDG_RUNTIME_DIR=str(run), WLR_BACKENDS="headless",
               WLR_RENDERER="pixman", WLR_LIBINPUT_NO_DEVICES="1")
    log = open(WORK / "sway.log", "wb")  # at debug level it tells of layer surfaces
    proc = spawn(run_as + ["sway", "--debug", "-c", str(WORK / "config")], log=log, env=env)
    if not poll(lambda: list(run.glob("sway-ipc.*.sock"))):
        raise RuntimeError("sway did not start")
    # An absolute path: root reaches the socket though the directory is USER's. Clients get a
    # runtime directory of their own, as Qt wants one owned by its user.
    clients = WORK / "clients"
    clients.mkdir(mode=0o700)
    os.environ.update(XDG_RUNTIME_DIR=str(clients), SWAYSOCK=str(next(run.glob("sway-ipc.*.sock"))),
                      WAYLAND_DISPLAY=str(next(run.glob("wayland-*[0-9]"))))
    # Xwayland starts with the first X client; its display's lock file holds sway's process id.
    lock = poll(lambda: [f for f in pathlib.Path("/tmp").glob(".X*-lock")
                         if f.read_bytes().strip(b" \n\0") == b"%d" % proc.pid])
    os.environ["DISPLAY"] = ":" + lock[0].name[2:-5]
    if run_as:
        x(*run_as, "xhost", "+si:localuser:root")  # else Xwayland refuses root's clients
    _devices.append(_Devices())
    set_outputs(outputs)

def outputs():
    """sway's outputs by name, as get_outputs describes them."""
    return {o["name"]: o for o in json.loads(x("swaymsg", "-rt", "get_outputs"))}

def set_outputs(wanted):
    """Gives sway these outputs (name, device width, height, scale, transform, logical left, top),
    HEADLESS-1, -2, ... in the order made; sway 1.7 cannot disable one, so earlier ones stay put.
    Returns once each shows the background."""
    while len(outputs()) < len(wanted):
        x("swaymsg", "create_output")
    for name, width, height, scale, transform, left, top in wanted:
        x("swaymsg", "output %s enable mode %dx%d scale %s transform %s position %d %d"
          % (name, width, height, scale, transform, left, top))
    # Until swaybg has drawn it, an output shows sway's clear colour throughout.
    if not poll(lambda: all(len({truth(name).pixel(x, 0) for x in range(3)}) == 3 for name, *_ in wanted)):
        raise RuntimeError("the background did not settle")

class Shot(collections.namedtuple("Shot", "width height data")):
    """An output's pixels as RGB bytes, row by row."""
    def pixel(self, x, y):
        return self.data[3 * (y * self.width + x):][:3].hex().upper()

def _closed():
    raise RuntimeError("sway closed the connection")

def truth(name):
    """The output's pixels now, as grim copies them: device pixels as the user sees the output.
    Exact on every desk here, whose logical sizes are whole; grim resamples other outputs."""
    _, size, _, data = x("grim", "-o", name, "-t", "ppm", "-").split(b"\n", 3)
    return Shot(*map(int, size.split()), data)

class _Devices:
    """A virtual pointer and keyboard for good. While they exist the seat has both capabilities,
    so clients hold a wl_pointer and wl_keyboard before any event comes: a device made for each
    event, as wtype's, races them and loses the presses."""
    def __init__(self):
        self.sock, self.ids, self.globals, self.data = socket.socket(socket.AF_UNIX), 2, [], b""
        self.sock.settimeout(10)
        self.sock.connect(os.environ["WAYLAND_DISPLAY"])
        self.send(1, 1, self.new())  # wl_display.get_registry: object 2
        self.roundtrip()
        seat, pointers, keyboards = (self.bind(kind) for kind in (
            "wl_seat", "zwlr_virtual_pointer_manager_v1", "zwp_virtual_keyboard_manager_v1"))
        self.pointer, self.keyboard, keymap = self.new(), self.new(), os.memfd_create("keymap")
        self.send(pointers, 0, 0, self.pointer)  # create_virtual_pointer, on the default seat
        self.send(keyboards, 0, seat, self.keyboard)  # create_virtual_keyboard
        os.write(keymap, KEYMAP)
        self.send(self.keyboard, 0, 1, len(KEYMAP), fds=[keymap])  # keymap: xkb_v1, fd, size
        os.close(keymap)
        self.roundtrip()

    def new(self):
        self.ids += 1
        return self.ids - 1

    def send(self, obj, opcode, *args, fds=()):
        body = b"".join(struct.pack("<I", a) if isinstance(a, int) else
                        struct.pack("<I", len(a) + 1) + a.encode() + bytes(4 - len(a) % 4) for a in args)
        socket.send_fds(self.sock, [struct.pack("<2I", obj, 8 + len(body) << 16 | opcode) + body], fds)

    def bind(self, interface):
        """An object for the interface's first global."""
        name = next(name for name, kind in self.globals if kind == interface)
        self.send(2, 0, name, interface, 1, self.new())  # wl_registry.bind, at version 1
        return self.ids - 1

    def roundtrip(self):
        """Reads events until sway answers a sync; notes the globals, raises on a protocol error."""
        done = self.new()
        self.send(1, 0, done)  # wl_display.sync
        while True:
            while len(self.data) < 8 or len(self.data) < struct.unpack_from("<I", self.data, 4)[0] >> 16:
                self.data += self.sock.recv(65536) or _closed()
            obj, size = struct.unpack_from("<2I", self.data)
            opcode, arguments, self.data = size & 0xFFFF, self.data[8:size >> 16], self.data[size >> 16:]
            if (obj, opcode) == (1, 0):
                raise RuntimeError("Wayland protocol error: %r" % arguments)
            if (obj, opcode) == (2, 0):  # wl_registry.global: name, interface, version
                length = struct.unpack_from("<I", arguments, 4)[0]
                self.globals.append((struct.unpack_from("<I", arguments)[0], arguments[8:7 + length].decode()))
            if obj == done:
                return

    def pointer_event(self, opcode, *args):
        self.send(self.pointer, opcode, int(time.monotonic() * 1000) & 0xFFFFFFFF, *args)
        self.send(self.pointer, 4)  # frame

    def key(self, code, state):
        self.send(self.keyboard, 1, int(time.monotonic() * 1000) & 0xFFFFFFFF, code, state)

def pointer_to_device_pixel(output, px, py):
    """Moves the pointer to the centre of the output's device pixel (px, py), counted as the user
    sees the output. Absolute motion spans the layout's bounding box, and sway keeps fractions."""
    found, full = outputs(), 0xFFFFFFFF
    boxes = [(r["x"], r["y"], r["x"] + r["width"], r["y"] + r["height"])
             for r in (o["rect"] for o in found.values() if o["active"])]
    low, high = [min(b[i] for b in boxes) for i in (0, 1)], [max(b[i] for b in boxes) for i in (2, 3)]
    rect, scale = found[output]["rect"], found[output]["scale"]
    at = rect["x"] + (px + 0.5) / scale, rect["y"] + (py + 0.5) / scale
    _devices[0].pointer_event(1, *(round((at[i] - low[i]) / (high[i] - low[i]) * full) for i in (0, 1)),
                              full, full)  # motion_absolute
    _devices[0].roundtrip()

def press(button=1):
    """A click (press and release) of the X-numbered button where the pointer is."""
    for state in (1, 0):
        _devices[0].pointer_event(2, BUTTONS[button], state)
    _devices[0].roundtrip()

def keys(*names):
    """Types keys in turn, each a KEYS name, or one after "shift+"."""
    devices = _devices[0]
    for name in names:
        shifted = name.startswith("shift+")
        codes = [SHIFT] * shifted + [KEYS[name.split("+")[-1]]]
        devices.send(devices.keyboard, 2, int(shifted), 0, 0, 0)  # modifiers: depressed
        for code, state in [(code, 1) for code in codes] + [(code, 0) for code in codes[::-1]]:
            devices.key(code, state)
        devices.send(devices.keyboard, 2, 0, 0, 0, 0)
    devices.roundtrip()

def window(title):
    """The window titled so: its content's left, top, width and height in logical pixels of the
    layout, and its shell (xdg_shell or xwayland); or None."""
    def find(node):
        if node.get("name") == title and node.get("pid"):
            rect, inner = node["rect"], node["window_rect"]
            return (rect["x"] + inner["x"], rect["y"] + inner["y"], inner["width"], inner["height"],
                    node["shell"])
        return next(filter(None, map(find, node["nodes"] + node["floating_nodes"])), None)
    return find(json.loads(x("swaymsg", "-rt", "get_tree")))

def layer_surfaces():
    """The namespaces of the clients' layer surfaces but swaybg's, from sway's debug log."""
    log = (WORK / "sway.log").read_text(errors="replace")  # no query of sway shows them
    alive = re.findall(r"new layer surface: namespace (\S*)", log)
    for gone in re.findall(r"Layer surface destroyed \((.*)\)", log):
        alive.remove(gone)
    return [name for name in alive if name != "wallpaper"]
