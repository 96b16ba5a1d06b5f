#!/usr/bin/env python3
"""kolwe's fields with a Japanese input method on: a real fcitx5 with mozc on a private Xvfb and
session bus, real keys (xdotool), texts read back through the clipboard (xclip). mozc refuses root,
so as root fcitx5 and kolwe run as the system user kolwe-ime. Usage: input_method_suite.py KOLWE"""
import os, pathlib, re, shutil, signal, subprocess, sys, tempfile, unittest

sys.path.insert(0, str(pathlib.Path(__file__).parents[1] / "support"))
from rig import (active, as_user, geometry, poll, press, spawn, spawn_kolwe, start_desktop, stop,
                 stop_all, untrapped_errors, windows, x)

KOLWE = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else "build/kolwe"
TITLE, CLIENT_HEIGHT, USER = "^ミロカver1.10$", 153, "kolwe-ime"
# Client-area points inside the fields typed into and the clear button.
FIELDS, CLEAR = {"R": (44, 25), "G": (44, 49), "hex": (84, 105)}, (196, 68)
ROWS = [  # the field, the keys pressed (X key names), the text the field then holds
    ("R", "1 2 3 BackSpace 4", "124"),
    ("G", "7 k a Return", "7"),  # romaji that mozc composes into か, then commits
    ("hex", "1 e 9 0 C 8", "1E90C8"),  # six digits make a colour, shown in capitals
]
PROFILE = ("[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=mozc\n[Groups/0/Items/0]\n"
           "Name=keyboard-us\n[Groups/0/Items/1]\nName=mozc\n[GroupOrder]\n0=Default\n")
SENTINEL = b"input-method-suite-sentinel"
HOME = pathlib.Path(tempfile.mkdtemp(prefix="kolwe-ime-"))
RUN_AS, ENV, SESSION, KOLWE_RUN = [], dict(os.environ), [], []

def remote(*args):
    return x(*RUN_AS, "fcitx5-remote", *args, env=ENV).decode().strip()

def setUpModule():
    start_desktop()  # openbox: kolwe's window becomes the active one, as on a desktop
    (HOME / ".config/fcitx5").mkdir(parents=True)
    (HOME / ".config/fcitx5/profile").write_text(PROFILE)  # mozc beside the keyboard
    (HOME / "run").mkdir(mode=0o700)
    ENV.update(HOME=str(HOME), XDG_CONFIG_HOME=str(HOME / ".config"), DISPLAY=os.environ["DISPLAY"],
               XDG_RUNTIME_DIR=str(HOME / "run"), QT_IM_MODULE="fcitx", QT_QPA_PLATFORM="xcb",
               DBUS_SESSION_BUS_ADDRESS="unix:path=%s/run/bus" % HOME)
    # The user may not read the build tree: it runs a copy, with a copy of the suppressions.
    shutil.copy(KOLWE, HOME / "kolwe")
    if supp := re.search(r"suppressions=([^:]+)", ENV.get("LSAN_OPTIONS", "")):
        ENV["LSAN_OPTIONS"] = ENV["LSAN_OPTIONS"].replace(supp[1], shutil.copy(supp[1], HOME))
    RUN_AS.extend(as_user(USER, HOME))
    # The bus, the fcitx5 it starts and fcitx5's mozc_server share one process group, ended as one.
    SESSION.append(spawn(RUN_AS + ["dbus-daemon", "--session", "--nofork", "--address",
                                   ENV["DBUS_SESSION_BUS_ADDRESS"]], env=ENV, process_group=0))
    poll(lambda: (HOME / "run/bus").exists())
    remote()  # the bus starts fcitx5, and answers once it is up
    KOLWE_RUN.append(spawn_kolwe(RUN_AS + [str(HOME / "kolwe")], env=ENV))

def text_of_focused_field():  # None when nothing was copied
    x("xclip", "-selection", "clipboard", "-i", input=SENTINEL, stdout=subprocess.DEVNULL)
    x("xdotool", "key", "ctrl+a", "ctrl+c")
    read = lambda: x("xclip", "-selection", "clipboard", "-o").replace(SENTINEL, b"")
    return poll(read, timeout=2).decode() or None

class FieldsUnderJapaneseInputMethod(unittest.TestCase):
    def test_keys_with_mozc_on_go_in_as_with_no_input_method(self):
        found = poll(lambda: windows(TITLE))
        self.assertTrue(found, "kolwe's window did not show")
        left, top, _, height = geometry(found[0])
        at = lambda point: (left + point[0], top + height - CLIENT_HEIGHT + point[1])  # under the menu bar
        poll(lambda: active() == found[0])
        poll(lambda: remote() != "0")  # fcitx5 has an input context for the window
        remote("-o")
        # 2: on, which fcitx5 allows only with an input method besides the keyboard, here mozc.
        self.assertEqual((remote(), remote("-m", "mozc")), ("2", "mozc"))
        for field, keys, want in ROWS:
            with self.subTest(field=field, keys=keys):
                press(at(CLEAR))
                press(at(FIELDS[field]))
                x("xdotool", "key", "ctrl+a", *keys.split())
                typed = text_of_focused_field()
                x("xdotool", "key", "Tab")  # a pre-edit still held would be committed now
                press(at(FIELDS[field]))
                self.assertEqual((typed, text_of_focused_field(), remote()), (want, want, "2"))

def tearDownModule():
    stop(KOLWE_RUN[0])
    if errors := untrapped_errors(KOLWE_RUN[0]):
        raise AssertionError("untrapped errors: %s" % errors)

if __name__ == "__main__":
    try:
        unittest.main(verbosity=2)
    finally:
        if SESSION and SESSION[0].poll() is None:
            os.killpg(SESSION[0].pid, signal.SIGTERM)
        stop_all()
        shutil.rmtree(HOME, ignore_errors=True)
