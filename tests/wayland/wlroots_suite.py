#!/usr/bin/env python3
"""kolwe's own pick on a wlroots desktop: a private sway on the headless backend, with outputs at
scales 1, 2 and 1.5, turned, mirrored and side by side; kolwe --pick and the window's "get", as
a native Wayland client and under XWayland, against grim's copy of each output as the truth.
Usage: wlroots_suite.py KOLWE [unittest args]"""
import os, pathlib, subprocess, sys, unittest

sys.path.insert(0, str(pathlib.Path(__file__).parents[1] / "support"))
from rig import kolwe_lines, poll, spawn_kolwe, stop, stop_all, untrapped_errors, x
from sway_rig import (keys, layer_surfaces, outputs, pointer_to_device_pixel, press, set_outputs,
                      start_sway, truth, window)

KOLWE = os.path.abspath(sys.argv.pop(1))
A1 = ("HEADLESS-1", 640, 480, 1, "normal", 0, 0)
TITLE, CLIENT_HEIGHT, GET, SWATCH = "ミロカver1.10", 153, (196, 92), (144, 104)  # in the client area
DESKS = {  # each output: name, device width and height, scale, transform, logical left and top
    "scale 1": [A1],
    "scale 2": [("HEADLESS-1", 640, 480, 2, "normal", 0, 0)],
    "scale 1.5": [("HEADLESS-1", 960, 720, 1.5, "normal", 0, 0)],
    "turned": [("HEADLESS-1", 640, 480, 1, "90", 0, 0)],
    "turned and mirrored at scale 2": [("HEADLESS-1", 640, 480, 2, "flipped-270", 0, 0)],
    "side by side at scales 1 and 2": [A1, ("HEADLESS-2", 640, 480, 2, "normal", 640, 0)],
}

def setUpModule():
    start_sway([A1])

class PickOnSway(unittest.TestCase):
    def desk(self, name):
        set_outputs(DESKS[name])
        return [output[0] for output in DESKS[name]]

    def pick(self, output, pixel, *typed, check_loupe=False):
        """kolwe --pick, the pointer brought to the device pixel, then a right click or the keys:
        the exit status, what it printed and its lines. Nothing of it may stay on the screen."""
        before = truth(output)
        proc = subprocess.Popen([KOLWE, "--pick"], text=True, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE)
        self.addCleanup(stop, proc)
        self.assertTrue(poll(lambda: "kolwe-pick" in layer_surfaces()), "no overlay")
        self.point_at_overlay(output, pixel)
        if check_loupe:
            self.assertLoupeShows(output, pixel, before)
        keys(*typed) if typed else press(3)
        out, err = proc.communicate(timeout=10)
        self.assertTrue(poll(lambda: not layer_surfaces()), "a surface of kolwe's stays")
        self.assertTrue(poll(lambda: truth(output).data == before.data), "the screen is not as before")
        return proc.returncode, out, kolwe_lines(err)

    def point_at_overlay(self, output, pixel):
        """Brings the pointer onto the pixel once the overlay has it: the loupe then shows."""
        def there():
            pointer_to_device_pixel(output, pixel[0] ^ 1, pixel[1])  # a motion onto the overlay
            pointer_to_device_pixel(output, *pixel)
            return poll(lambda: "kolwe-loupe" in layer_surfaces(), timeout=1)
        self.assertTrue(poll(there), "no loupe")

    def assertLoupeShows(self, output, pixel, before):
        """24 logical pixels beside the pointer, flipped near the output's right and bottom edges,
        the loupe shows the 15 x 15 device pixels around it as 8 x 8 blocks; black off the output."""
        scale = outputs()[output]["scale"]
        pointer = [int((p + 0.5) / scale) for p in pixel]
        edge = [int(side / scale) for side in (before.width, before.height)]
        corner = [p + 24 if p + 24 + size <= e else p - 24 - size
                  for p, size, e in zip(pointer, (120, 136), edge)]
        def blocks():
            now = truth(output)
            return [now.pixel(int((corner[0] + 8 * i + 4) * scale), int((corner[1] + 8 * j + 4) * scale))
                    for j in range(15) for i in range(15)]
        want = [before.pixel(x, y) if 0 <= x < before.width and 0 <= y < before.height else "000000"
                for y in range(pixel[1] - 7, pixel[1] + 8) for x in range(pixel[0] - 7, pixel[0] + 8)]
        poll(lambda: blocks() == want)
        self.assertEqual(blocks(), want, (output, pixel))

    def test_command_line_pick_gives_the_device_pixel_pressed_and_the_loupe_the_true_ones(self):
        for desk in DESKS:
            for output in self.desk(desk):
                shot = truth(output)
                for pixel in ((0, 0), (101, 57), (shot.width - 1, shot.height - 1)):
                    with self.subTest(desk=desk, output=output, pixel=pixel):
                        self.assertEqual(self.pick(output, pixel, check_loupe=True),
                                         (0, shot.pixel(*pixel) + "\n", []))

    def test_command_line_pick_takes_the_keys_from_the_focused_window(self):
        self.desk("side by side at scales 1 and 2")
        x("swaymsg", "focus output HEADLESS-1")  # away from the picks, whose screen must stay
        focused = spawn_kolwe([KOLWE], env=dict(os.environ, QT_QPA_PLATFORM="wayland"))
        self.addCleanup(stop, focused)
        self.assertTrue(poll(lambda: window(TITLE)), "no window to take the keys from")
        shot = truth("HEADLESS-2")
        picked = lambda x, y: (0, shot.pixel(x, y) + "\n", [])
        for keys_typed, result in ((("Right", "Right", "shift+Down", "Return"), picked(102, 110)),
                                   (("Left", "space"), picked(99, 100)),
                                   (("Escape",), (1, "", ["kolwe: pick cancelled"]))):
            self.assertEqual(self.pick("HEADLESS-2", (100, 100), *keys_typed), result, keys_typed)

    def test_get_in_the_window_as_a_wayland_client_and_under_xwayland(self):
        for desk, platform, shell in (("scale 1", "wayland", "xdg_shell"), ("scale 1", "", "xwayland"),
                                      ("scale 1.5", "wayland", "xdg_shell"), ("turned", "wayland", "xdg_shell")):
            with self.subTest(desk=desk, platform=platform):  # unasked, kolwe runs under XWayland
                self.desk(desk)
                x("swaymsg", "focus output HEADLESS-1")  # where the window opens
                proc = spawn_kolwe([KOLWE], env=dict(os.environ, QT_QPA_PLATFORM=platform))
                self.addCleanup(lambda: self.assertEqual(untrapped_errors(proc), []))
                try:
                    self.assertEqual(self.get_then_press(outputs()["HEADLESS-1"]["scale"]), shell)
                finally:
                    stop(proc)

    def get_then_press(self, scale):
        """Presses "get" in kolwe's window, then the middle button on the pixel (5, 5), and
        waits for its colour in the swatch; returns the window's shell."""
        corner = truth("HEADLESS-1").pixel(5, 5)
        def at(placed, point):  # a device pixel of the client area, under the menu bar
            left, top, _, height, _ = placed
            return int((left + point[0]) * scale), int((top + height - CLIENT_HEIGHT + point[1]) * scale)
        def drawn():  # floating, in its place, with its swatch painted black
            placed = window(TITLE)
            return placed and truth("HEADLESS-1").pixel(*at(placed, SWATCH)) == "000000" and placed
        placed = poll(drawn)
        self.assertTrue(placed, "no kolwe window drawn")
        def get():  # a window just shown under XWayland may miss the first click
            pointer_to_device_pixel("HEADLESS-1", *at(placed, GET))
            press()
            return poll(lambda: "kolwe-pick" in layer_surfaces(), timeout=3)
        self.assertTrue(poll(get, timeout=9), "get armed no pick")
        self.point_at_overlay("HEADLESS-1", (5, 5))
        press(2)
        self.assertTrue(poll(lambda: not layer_surfaces()), "a surface of kolwe's stays")
        poll(lambda: truth("HEADLESS-1").pixel(*at(placed, SWATCH)) == corner)
        self.assertEqual(truth("HEADLESS-1").pixel(*at(placed, SWATCH)), corner)
        return placed[4]

if __name__ == "__main__":
    try:
        unittest.main(verbosity=2)
    finally:
        stop_all()
