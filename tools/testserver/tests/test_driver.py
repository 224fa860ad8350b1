"""The end-to-end driver's keystrokes, with a stand-in xdotool on the PATH that records its
arguments and fails when told to."""

import importlib.util
import os
import stat
import tempfile
import textwrap
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
DRIVER = os.path.join(HERE, "..", "..", "e2e", "driver.py")


def load_driver():
    spec = importlib.util.spec_from_file_location("korvu_e2e_driver", DRIVER)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


class DriverXdotoolTest(unittest.TestCase):
    def setUp(self):
        scratch = os.environ.get("KORVU_TESTSERVER_SCRATCH")
        if scratch:
            os.makedirs(scratch, exist_ok=True)
        self.tmp = tempfile.TemporaryDirectory(dir=scratch)
        self.log = os.path.join(self.tmp.name, "xdotool.log")
        fake = os.path.join(self.tmp.name, "xdotool")
        with open(fake, "w") as f:
            f.write(textwrap.dedent("""\
                #!/bin/sh
                for a in "$@"; do printf '%s\\n' "$a"; done > "$XDOTOOL_LOG"
                if [ -n "$XDOTOOL_FAIL" ]; then echo "$XDOTOOL_FAIL" >&2; exit 1; fi
                if [ -n "$XDOTOOL_WARN" ]; then echo "$XDOTOOL_WARN" >&2; fi
                """))
        os.chmod(fake, os.stat(fake).st_mode | stat.S_IXUSR)
        self.saved = {k: os.environ.get(k) for k in ("PATH", "XDOTOOL_LOG", "XDOTOOL_FAIL", "XDOTOOL_WARN")}
        os.environ["PATH"] = self.tmp.name + os.pathsep + os.environ.get("PATH", "")
        os.environ["XDOTOOL_LOG"] = self.log
        os.environ.pop("XDOTOOL_FAIL", None)
        os.environ.pop("XDOTOOL_WARN", None)
        module = load_driver()
        self.StepFailed = module.StepFailed
        self.d = module.Driver(self.tmp.name, None, self.tmp.name)
        self.d.ready = lambda *a, **k: None  # no client to wait for

    def tearDown(self):
        for k, v in self.saved.items():
            if v is None:
                os.environ.pop(k, None)
            else:
                os.environ[k] = v
        self.tmp.cleanup()

    def args(self):
        with open(self.log) as f:
            return f.read().splitlines()

    def test_a_text_that_starts_with_a_sign_is_typed_not_taken_for_an_option(self):
        for text in ("-1234,5", "-", "--delay", "5/3/24"):
            with self.subTest(text=text):
                self.d.type(text)
                got = self.args()
                self.assertEqual(got[0], "type")
                self.assertEqual(got[-2:], ["--", text])

    def test_a_failed_xdotool_call_fails_the_step_with_what_it_said(self):
        os.environ["XDOTOOL_FAIL"] = "Can't open display"
        for act in (lambda: self.d.type("12"), lambda: self.d.key("Tab"),
                    lambda: self.d.click_screen(10, 20)):
            with self.assertRaises(self.StepFailed) as caught:
                act()
            self.assertIn("Can't open display", str(caught.exception))

    def test_a_warning_fails_the_step_though_xdotool_exits_0(self):
        # xdotool passes over a key name it does not know with only a warning: no key was pressed.
        os.environ["XDOTOOL_WARN"] = "(symbol) No such key name 'F55'. Ignoring it."
        for act in (lambda: self.d.key("F55"), lambda: self.d.type("12"),
                    lambda: self.d.click_screen(10, 20)):
            with self.assertRaises(self.StepFailed) as caught:
                act()
            self.assertIn("No such key name 'F55'", str(caught.exception))


if __name__ == "__main__":
    unittest.main()
