#!/usr/bin/env python3
"""kolwe's own pick on a wlroots desktop: a private sway on the headless backend, with outputs at
scales 1, 2 and 1.5, turned, mirrored and side by side; kolwe --pick and the window's "get", as
a native Wayland client and under XWayland, against grim's copy of each output as the truth.
Usage: wlroots_suite.py KOLWE [unittest args]"""
import os, pathlib, subprocess, sys, unittest

sys.path.insert(0, str(pathlib.Path(__file__).parents[1] / "support"))
from rig import poll, spawn_kolwe, stop, stop_all, untrapped_errors
from sway_rig import (keys, layer_surfaces, outputs, pointer_to_device_pixel, press, set_outputs,
                      start_sway, truth)

KOLWE = os.path.abspath(sys.argv.pop(1))
A1 = ("HEADLESS-1", 640, 480, 1, "normal", 0, 0)
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

def kolwe_lines(err):
    return [line for line in err.splitlines() if line.startswith("kolwe:")]

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
        pointer_to_device_pixel(output, pixel[0] ^ 1, pixel[1])  # a motion onto the overlay
        pointer_to_device_pixel(output, *pixel)
        self.assertTrue(poll(lambda: "kolwe-loupe" in layer_surfaces()), "no loupe")
        if check_loupe:
            self.assertLoupeShows(output, pixel, before)
        keys(*typed) if typed else press(3)
        out, err = proc.communicate(timeout=10)
        self.assertTrue(poll(lambda: not layer_surfaces()), "a surface of kolwe's stays")
        self.assertTrue(poll(lambda: truth(output).data == before.data), "the screen is not as before")
        return proc.returncode, out, kolwe_lines(err)

    def assertLoupeShows(self, output, pixel, before):
        """The loupe stands 24 logical pixels beside the pointer, flipped near the output's
        edges, and shows the 15 x 15 device pixels around it, each as 8 x 8 logical pixels."""
        scale = outputs()[output]["scale"]
        pointer = [int((p + 0.5) / scale) for p in pixel]
        shown = (before.width, before.height)
        corner = [int((p + 24) * scale) if (p + 24 + 136) * scale <= s else int((p - 24 - 120) * scale)
                  for p, s in zip(pointer, shown)]
        def blocks():
            now = truth(output)
            return [now.pixel(corner[0] + int((8 * i + 4) * scale), corner[1] + int((8 * j + 4) * scale))
                    for j in range(15) for i in range(15)]
        want = [before.pixel(pixel[0] + i - 7, pixel[1] + j - 7)
                if 0 <= pixel[0] + i - 7 < before.width and 0 <= pixel[1] + j - 7 < before.height
                else "000000" for j in range(15) for i in range(15)]
        poll(lambda: blocks() == want)
        self.assertEqual(blocks(), want, (output, pixel))

    def test_command_line_pick_gives_the_device_pixel_pressed_on_every_desk(self):
        for desk in DESKS:
            for output in self.desk(desk):
                shot = truth(output)
                for pixel in ((0, 0), (101, 57), (shot.width - 1, shot.height - 1)):
                    with self.subTest(desk=desk, output=output, pixel=pixel):
                        self.assertEqual(self.pick(output, pixel), (0, shot.pixel(*pixel) + "\n", []))

if __name__ == "__main__":
    try:
        unittest.main(verbosity=2)
    finally:
        stop_all()
