"""Drives the real client under wine with real keystrokes (xdotool) for an end-to-end scenario.

Run by the test server as its client command, in the workdir:
    driver.py --scenario S.py --build BUILD [--shots DIR] -- [client arguments]
It runs the scenario's prepare(d) if it has one (readying the wine prefix, for example with
d.prepara(...)), starts korvuc.exe with the scenario's ARGUMENTS (and its DLL_OVERRIDES, if
any) through the probe, whose every later look takes only that process's windows, then runs the scenario's drive(d) if it has one, and waits for the client to end. Exit status 0 when the client ended with the scenario's EXIT (default 0) and
every step of drive held.
"""

import argparse
import importlib.util
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

TITLE = "Quorvanta - ver. 2.3.045"
# The main window under any caption: at login and once logged in.
MAIN = ".* - ver\\. 2\\.3\\.045"


class StepFailed(Exception):
    pass


class Driver:
    def __init__(self, build, shots, workdir):
        self.build = build
        self.shots = shots
        self.workdir = workdir
        self.wine = os.path.join(build, "wine-run.sh")
        self.sonda_exe = os.path.join(build, "e2e", "sonda.exe")
        self.proc = None
        self.pid_file = None
        self.pid = None

    def failure(self, text):
        return StepFailed(text)

    # ---- looking
    def sonda(self, *args, seconds=20):
        env = dict(os.environ, KORVU_SONDA_SECONDS=str(seconds))
        if self.client_pid():
            env["KORVU_SONDA_PID"] = self.client_pid()
        r = subprocess.run([self.wine, self.sonda_exe] + list(args), env=env,
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                           timeout=seconds + 30)
        out = r.stdout.decode("cp1252", errors="replace").replace("\r", "").rstrip("\n")
        return r.returncode == 0, out

    def log(self, text):
        print("driver: %s" % text, flush=True)

    def wait_window(self, title=TITLE, seconds=30):
        ok, _ = self.sonda("window", title, seconds=seconds)
        if not ok:
            raise StepFailed("no window %r" % title)
        self.log("window %r" % title)

    def wait_text(self, text, seconds=20):
        ok, _ = self.sonda("text", text, seconds=seconds)
        if not ok:
            raise StepFailed("no control shows %r" % text)
        self.log("shown: %r" % text)

    def wait_no_text(self, text, seconds=20):
        ok, _ = self.sonda("notext", text, seconds=seconds)
        if not ok:
            raise StepFailed("a control still shows %r" % text)

    def focus(self):
        ok, out = self.sonda("focus", seconds=5)
        return out if ok else None

    def wait_focus(self, text, seconds=10):
        """Waits until the control with the focus shows this text."""
        deadline = time.monotonic() + seconds
        last = None
        while time.monotonic() < deadline:
            last = self.focus()
            if last is not None and last.split("|", 1)[-1] == text:
                return
            time.sleep(0.2)
        raise StepFailed("focus on %r, expected a control showing %r" % (last, text))

    def move_focus_to(self, text, key="Tab", most=12):
        """Presses the key until the control with the focus shows this text."""
        for _ in range(most):
            got = self.focus()
            if got is not None and got.split("|", 1)[-1] == text:
                return
            self.key(key)
            time.sleep(0.2)
        raise StepFailed("the focus never reached a control showing %r (last %r)" % (text, got))

    def box(self, caption="Korvuc Error", seconds=20, answer=1):
        """Waits for a message box, returns its text and presses its button `answer` (IDOK 1,
        IDCANCEL 2, IDYES 6, IDNO 7)."""
        ok, text = self.sonda("box", caption, seconds=seconds)
        if not ok:
            raise StepFailed("no message box %r" % caption)
        self.log("box %r: %r" % (caption, text))
        if answer:
            self.sonda("answer", caption, str(answer), seconds=5)
            ok, _ = self.sonda("nobox", caption, seconds=10)
            if not ok:
                raise StepFailed("the message box %r stayed after %s" % (caption, answer))
        return text

    def wait_mark(self, name, seconds=20):
        """Waits for a file the server leaves in the workdir (for example "shown-<screen>")."""
        path = os.path.join(self.workdir, name)
        deadline = time.monotonic() + seconds
        while not os.path.exists(path):
            if time.monotonic() > deadline:
                raise StepFailed("the server never reached %s" % name)
            time.sleep(0.05)

    def ready(self, seconds=20, keys=True):
        """Waits until a key pressed now reaches the client's focus. Wine hands a key to the
        thread whose window is in front when the client reads it, so the client must be in front,
        out of any exchange with the server and of any move, size or menu loop; and the X server
        must send the key to one of its windows: with no window manager the focus follows the
        pointer, so the window under the pointer (or the X focus) must be the client's."""
        deadline = time.monotonic() + seconds
        while True:
            ok, state = self.sonda("ready", *([] if keys else ["click"]),
                                   seconds=max(1, int(deadline - time.monotonic())))
            m = re.match(r"front '(.*)' main '(.*)' focus", state)
            x = self.x_window() if keys else None
            if ok and m and (not keys or x in m.groups()):
                return
            if time.monotonic() > deadline:
                raise StepFailed("the client does not take keys: %s; keys go to X window %r"
                                 % (state, x))
            time.sleep(0.1)

    def x_window(self):
        """The name of the X window that a key pressed now goes to."""
        def run(*args):
            r = subprocess.run(["xdotool"] + list(args), timeout=30,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
            return r.stdout.decode("utf-8", errors="replace").strip() if r.returncode == 0 else None
        name = run("getwindowfocus", "getwindowname")  # fails with the focus following the pointer
        if name is not None:
            return name
        where = dict(l.split("=", 1) for l in (run("getmouselocation", "--shell") or "").split() if "=" in l)
        return run("getwindowname", where["WINDOW"]) if "WINDOW" in where else None

    # ---- acting
    def xdotool(self, *args):
        """Runs one xdotool command; one that fails fails the step, with what xdotool said: a
        stimulus that never reached the client proves nothing. So does one that only warns:
        xdotool passes over a key name it does not know with a warning and exit status 0."""
        r = subprocess.run(["xdotool"] + list(args), timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        said = r.stderr.decode("utf-8", errors="replace").strip()
        if r.returncode != 0 or said:
            raise StepFailed("xdotool %s: exit status %d%s" % (" ".join(args), r.returncode,
                                                               (": " + said) if said else ""))

    def window_id(self, title=TITLE):
        """The X window of the client's with this caption: wine marks each with the process
        that shows it, and another program may show one with the same caption."""
        pid = self.client_unix_pid()
        if pid is None:
            return None
        r = subprocess.run(["xdotool", "search", "--all", "--pid", str(pid), "--name", "^%s$" % title],
                           timeout=30, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        ids = r.stdout.split()
        return ids[-1].decode() if ids else None

    def activate(self, title=TITLE, x=4, y=4):
        """Brings a window forward as a user does, with a click (here on its edge, away from
        every control): without a window manager that is what makes wine take the keys."""
        wid = self.window_id(title)
        if wid:
            self.xdotool("mousemove", "--window", wid, str(x), str(y), "click", "1")
        elif title == TITLE:
            # Logged in, the caption names the company and the user. The main window is already
            # in front; with the focus following the pointer, the pointer over it is what makes
            # X hand it the keys, and a click could move the client's focus.
            wid = self.window_id(MAIN)
            if wid:
                self.xdotool("mousemove", "--window", wid, str(x), str(y))
        time.sleep(0.2)

    def click(self, x, y, title=TITLE):
        """A click at window coordinates."""
        self.log("click %d,%d" % (x, y))
        self.activate(title, x, y)

    def click_text(self, text):
        """A real click in the middle of the shown control with this text."""
        ok, out = self.sonda("rect", text)
        if not ok:
            raise StepFailed("no control shows %r to click" % text)
        x, y = out.split()[:2]
        self.log("click %r at %s,%s" % (text, x, y))
        self.ready(keys=False)
        self.xdotool("mousemove", x, y, "click", "1")
        time.sleep(0.2)

    def rect(self, text):
        """Screen pixels (left, top, right, bottom) of the shown control with this text."""
        ok, out = self.sonda("rect", text)
        if not ok:
            raise StepFailed("no control shows %r" % text)
        return tuple(int(v) for v in out.split()[2:6])

    def click_screen(self, x, y):
        """A real click at a point of the screen (for controls that show no text of theirs)."""
        self.log("click at %d,%d" % (x, y))
        self.xdotool("mousemove", str(x), str(y), "click", "1")
        time.sleep(0.2)

    def type(self, text):
        self.log("type %r" % text)
        self.ready()
        # "--" ends the options: a text such as "-1234,5" is typed, not read as one.
        self.xdotool("type", "--delay", "30", "--", text)
        time.sleep(0.2)

    def key(self, *names):
        self.log("key %s" % " ".join(names))
        for name in names:
            self.ready()
            self.xdotool("key", name)
            time.sleep(0.15)

    def screenshot(self, name):
        if not self.shots:
            return
        os.makedirs(self.shots, exist_ok=True)
        path = os.path.join(self.shots, name)
        subprocess.run(["import", "-window", "root", path], timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.log("screenshot %s" % path)

    # ---- the wine prefix
    def prepara(self, *args):
        """Runs the prefix helper (tools/e2e/prepara.cpp) in the workdir; returns its output."""
        exe = os.path.join(self.build, "e2e", "prepara.exe")
        r = subprocess.run([self.wine, exe] + list(args), cwd=self.workdir, timeout=120,
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        if r.returncode != 0:
            raise StepFailed("prepara %s: exit status %d" % (" ".join(args), r.returncode))
        self.log("prepara %s" % " ".join(args))
        return r.stdout.decode("cp1252", errors="replace").replace("\r", "").strip()

    # ---- the client
    def start(self, arguments, overrides=None):
        """Starts the client; `overrides` are wine DLL overrides for it alone ("winmm=d"
        turns a library off)."""
        exe = os.path.join(self.build, "bin", "korvuc.exe")
        env = dict(os.environ)
        if overrides:
            env["WINEDLLOVERRIDES"] = ";".join(filter(None, [env.get("WINEDLLOVERRIDES"), overrides]))
        # Started by the probe, which learns its process id for every later look; in the driver's
        # own process group, which the test server ends on a failure.
        fd, self.pid_file = tempfile.mkstemp(prefix="korvu-client-", suffix=".pid")
        os.close(fd)
        self.proc = subprocess.Popen([self.wine, self.sonda_exe, "start", self.pid_file, exe] + list(arguments),
                                     cwd=self.workdir, env=env)

    def client_pid(self):
        """The client's process id as Windows numbers it, once the probe has started it."""
        if self.pid is None and self.pid_file:
            deadline = time.monotonic() + 30
            while self.proc.poll() is None and time.monotonic() < deadline:
                with open(self.pid_file) as f:
                    text = f.read().strip()
                if text.isdigit():
                    self.pid = text
                    break
                time.sleep(0.05)
        return self.pid

    def client_unix_pid(self):
        """The Unix process of the client: wine starts it detached from the probe but in the
        probe's process group, under the command line the probe gave it. The earliest such
        one: a second instance that the client starts comes later."""
        if not self.proc:
            return None
        group = os.getpgid(0)
        found = []
        for name in os.listdir("/proc"):
            try:
                pid = int(name)
                if os.getpgid(pid) != group:
                    continue
                with open("/proc/%d/cmdline" % pid, "rb") as f:
                    line = f.read().split(b"\0")[0].decode("utf-8", errors="replace")
                with open("/proc/%d/stat" % pid) as f:
                    started = int(f.read().rsplit(")", 1)[1].split()[19])
            except (ValueError, OSError):
                continue
            if "korvuc.exe" in line.lower():
                found.append((started, pid))
        return min(found)[1] if found else None

    def wait_exit(self, seconds=30):
        try:
            return self.proc.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            return None

    def kill(self):
        """Ends the client and what wine-run.sh started for it (the client runs as its child)."""
        if self.proc and self.proc.poll() is None:
            if self.pid:
                self.sonda("end", seconds=5)
            for pid in descendants(self.proc.pid):
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
            self.proc.kill()
            self.proc.wait()


def descendants(pid):
    try:
        with open("/proc/%d/task/%d/children" % (pid, pid)) as f:
            children = [int(c) for c in f.read().split()]
    except OSError:
        return []
    return [d for c in children for d in descendants(c)] + children


def load(path):
    folder = os.path.dirname(os.path.abspath(path))
    if folder not in sys.path:
        sys.path.insert(0, folder)
    spec = importlib.util.spec_from_file_location("korvu_e2e_scenario", path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--scenario", required=True)
    p.add_argument("--build", required=True)
    p.add_argument("--shots")
    p.add_argument("rest", nargs=argparse.REMAINDER)
    a = p.parse_args()
    arguments = a.rest[1:] if a.rest[:1] == ["--"] else a.rest
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "testserver"))
    scenario = load(a.scenario)
    d = Driver(os.path.abspath(a.build), a.shots, os.getcwd())
    if hasattr(scenario, "prepare"):
        try:
            scenario.prepare(d)
        except (StepFailed, subprocess.TimeoutExpired) as e:
            print("driver: FAILED before the start: %s" % e, flush=True)
            return 1
    d.start(list(getattr(scenario, "ARGUMENTS", [])) + arguments, getattr(scenario, "DLL_OVERRIDES", None))
    failed = None
    try:
        if hasattr(scenario, "drive"):
            scenario.drive(d)
    except (StepFailed, subprocess.TimeoutExpired) as e:
        failed = str(e)
    if failed:
        print("driver: FAILED: %s" % failed, flush=True)
        d.screenshot("failed.png")
    status = d.wait_exit(getattr(scenario, "EXIT_SECONDS", 30))
    if status is None:
        d.kill()
    if d.pid_file:
        os.unlink(d.pid_file)
    if status is None:
        print("driver: the client did not end; killed", flush=True)
        return 1
    want = getattr(scenario, "EXIT", 0) & 0xFF
    print("driver: client exit status %d" % status, flush=True)
    return 1 if failed or status != want else 0


if __name__ == "__main__":
    sys.exit(main())
