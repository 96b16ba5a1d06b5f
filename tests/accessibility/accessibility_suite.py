#!/usr/bin/python3
"""kolwe as a screen reader meets it: a real AT-SPI client reads the running program on its own
Xvfb. Run on a private session bus: dbus-run-session -- accessibility_suite.py KOLWE"""
import os, pathlib, subprocess, sys, unittest
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi

sys.path.insert(0, str(pathlib.Path(__file__).parents[1] / "support"))
from rig import poll, spawn_kolwe, start_xvfb, stop, stop_all, untrapped_errors

KOLWE = os.path.abspath(sys.argv.pop(1))
# The client area's objects in order: role, name, the label it is labelled by. No line is listed.
TREE = [("label", "R", None), ("label", "色見本", None), ("label", "B", None),
        ("label", "G", None), ("label", "16進数", None),
        ("text", "赤", "R"), ("scroll bar", "赤", "R"), ("text", "緑", "G"), ("scroll bar", "緑", "G"),
        ("text", "青", "B"), ("scroll bar", "青", "B"), ("text", "16進数", "16進数"),
        ("push button", "copy", None), ("push button", "clear", None),
        ("push button", "get", None), ("check box", "常に最前面に表示する", None)]

def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]

def labelled_by(node):
    return next((r.get_target(0).get_name() for r in node.get_relation_set()
                 if r.get_relation_type() == Atspi.RelationType.LABELLED_BY), None)

class ScreenReaderView(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        start_xvfb()
        cls.kolwe = spawn_kolwe(
            [KOLWE], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb"))
        find = lambda: [a for a in children(Atspi.get_desktop(0)) if a.get_name() == "kolwe"]
        app = poll(lambda: [c for a in find() for c in children(a)], timeout=30)  # a busy CI
        cls.client = children(app[0])[0]

    @classmethod
    def tearDownClass(cls):
        stop(cls.kolwe)
        errors = untrapped_errors(cls.kolwe)
        stop_all()
        if errors:
            raise AssertionError("untrapped errors: %s" % errors)

    def test_names_roles_labels_and_the_values_of_a_typed_colour(self):
        objects = children(self.client)
        self.assertEqual([(o.get_role_name(), o.get_name(), labelled_by(o)) for o in objects], TREE)
        by_name = {o.get_role_name() + o.get_name(): o for o in objects}
        by_name["text16進数"].grab_focus()
        subprocess.run(["xdotool", "key", "ctrl+a", "type", "1E90C8"], check=True)
        state = lambda: ([Atspi.Text.get_text(by_name["text" + name], 0, -1) for name in ("赤", "緑", "青")],
                         by_name["label色見本"].get_description())
        poll(lambda: state() == (["30", "144", "200"], "1E90C8"))
        self.assertEqual(state(), (["30", "144", "200"], "1E90C8"))

if __name__ == "__main__":
    unittest.main(verbosity=2)
