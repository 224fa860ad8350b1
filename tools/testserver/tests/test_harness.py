"""The harness end to end, with the tiny Python client of selftest/ as the client command."""

import os
import subprocess
import sys
import tempfile
import textwrap
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
RUN = os.path.join(HERE, "..", "run.py")
CLIENT = os.path.join(HERE, "..", "selftest", "mini_client.py")
LOGIN = os.path.join(HERE, "..", "selftest", "login_redirect.py")


class HarnessTest(unittest.TestCase):
    def setUp(self):
        scratch = os.environ.get("KORVU_TESTSERVER_SCRATCH")
        if scratch:
            os.makedirs(scratch, exist_ok=True)
        self.tmp = tempfile.TemporaryDirectory(dir=scratch)
        self.workdir = os.path.join(self.tmp.name, "w")

    def tearDown(self):
        self.tmp.cleanup()

    def scenario(self, text):
        path = os.path.join(self.tmp.name, "scenario%d.py" % time.monotonic_ns())
        with open(path, "w") as f:
            f.write(textwrap.dedent(text))
        return path

    def run_harness(self, scenario, *client, timeout=20):
        cmd = [sys.executable, RUN, "--scenario", scenario, "--workdir", self.workdir,
               "--timeout", str(timeout), "--", sys.executable, CLIENT] + list(client)
        start = time.monotonic()
        proc = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=60)
        return proc.returncode, proc.stdout.decode(errors="replace"), time.monotonic() - start

    def read(self, name):
        with open(os.path.join(self.workdir, name), "rb") as f:
            return f.read()

    def test_redirect_login_passes(self):
        rc, out, _ = self.run_harness(LOGIN, "login")
        self.assertEqual(rc, 0, out)
        cfg = self.read("korvuc.cfg").decode()
        for line in ("servidor_int=127.0.0.1;", "servidor_ext=127.0.0.1;", "acceso_remoto=no;",
                     "claus=crpt.cfg;", "dirdocs=docs;", "debugtrcli=no;", "usuario=",
                     "empresa=", "idioma="):
            self.assertIn(line + ("" if line.endswith("=") else "\r\n"), cfg)
        port_line = [l for l in cfg.splitlines() if l.startswith("port=")][0]
        self.assertRegex(port_line, r"^port=\d{5};$")
        self.assertEqual(len(self.read("crpt.cfg")), 2400)
        transcript = self.read("transcript.txt").decode()
        self.assertIn("app        <<< total 338 [01 52 00] flag 00: \\xfe0a00", transcript)
        self.assertTrue(transcript.rstrip().endswith("passed"))

    def test_failures(self):
        wrong_user = self.scenario("""
            def dispatcher(conn):
                conn.check_login(conn.expect_frame(), user="eva")
            """)
        silent = self.scenario("""
            STEP_TIMEOUT = 1
            GRACE = 1
            def dispatcher(conn):
                conn.expect_frame()
            """)
        nobody = self.scenario("""
            def dispatcher(conn):
                conn.expect_frame()
            """)
        cases = [  # scenario, client, harness timeout, words the report must hold
            (wrong_user, ["login"], 20, ["field 51 (user)", "transcript tail"]),
            (silent, ["silent"], 20, ["nothing came within 1 s", "killed 1 s after"]),
            (nobody, ["hang"], 2, ["did not end within 2 s", "expected 1 connection(s), got 0"]),
            (nobody, ["exit", "3"], 20, ["exit status 3"]),
            (self.scenario("""
                from korvusrv import frames
                def dispatcher(conn):
                    conn.expect_frame()
                    conn.send_text(frames.redirect_reply("127.0.0.1", conn.ctx.app_port))
                """), ["login"], 20, ["app: unexpected connection 1"]),
        ]
        for scenario, client, timeout, words in cases:
            with self.subTest(client=client, words=words[0]):
                rc, out, took = self.run_harness(scenario, *client, timeout=timeout)
                self.assertEqual(rc, 1, out)
                for w in words:
                    self.assertIn(w, out)
                self.assertLess(took, 15)

    def test_refused_ports_hooks_and_config(self):
        scenario = self.scenario("""
            from korvusrv import REFUSE
            dispatcher = REFUSE
            SERVERS = {"vintu": REFUSE}
            CONFIG = {"debugtrcli": "si", "claus": None}
            def config(ctx):
                return {"ipdin": "http://127.0.0.1:%d" % ctx.ports["vintu"]}
            def setup(ctx):
                ctx.write_file("wget-standin.cfg", "write 127.0.0.1;%d" % ctx.app_port)
            def after(ctx):
                ctx.check(ctx.read_file("wget-standin.cfg").startswith(b"write "), "setup ran")
                env = ctx.read_file("env.txt").decode()
                for name in ("dispatcher", "app", "closed", "vintu"):
                    ctx.check("KORVU_%s_PORT=%d\\n" % (name.upper(), ctx.ports[name]) in env, name)
                ctx.check("KORVU_WORKDIR=%s\\n" % ctx.workdir in env, "workdir")
            """)
        rc, out, _ = self.run_harness(scenario, "refused", "dispatcher", "closed", "vintu")
        self.assertEqual(rc, 0, out)
        cfg = self.read("korvuc.cfg").decode()
        self.assertIn("debugtrcli=si;", cfg)
        self.assertNotIn("claus=", cfg)
        self.assertRegex(cfg, r"ipdin=http://127\.0\.0\.1:\d+;")
        # The after hook's checks fail when the client leaves no env.txt.
        rc, out, _ = self.run_harness(scenario, "exit", "0")
        self.assertEqual(rc, 1, out)
        self.assertIn("after: file env.txt missing", out)

    def test_foreign_workdir_is_left_alone(self):
        os.makedirs(self.workdir)
        keep = os.path.join(self.workdir, "precious.txt")
        open(keep, "w").close()
        rc, out, _ = self.run_harness(LOGIN, "login")
        self.assertNotEqual(rc, 0)
        self.assertIn("not cleaning", out)
        self.assertTrue(os.path.exists(keep))


if __name__ == "__main__":
    unittest.main()
