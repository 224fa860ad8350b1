"""Runs one scenario: the dispatcher and the application server (and any further servers the
scenario names) on 127.0.0.1, a client command against them, every wait bounded.

A scenario is a Python file. What it may define:
    dispatcher(conn), app(conn)   what each server expects and answers, once per connection;
                                  REFUSE instead: the port refuses connections; left out: no
                                  connection is expected there (one that comes is a failure)
    SERVERS = {"name": fn}        further servers, ports in KORVU_<NAME>_PORT and ctx.ports
    CONNECTIONS = {"side": n}     connections a side expects (1 for each side with a function)
    CONFIG = {"key": "value"}     korvuc.cfg lines to replace or add (None removes a line);
    config(ctx) -> dict           the same, computed (ports are known then)
    setup(ctx)                    runs before the client starts (files, stand-ins)
    after(ctx)                    runs after the client ended (checks on files it left)
    STEP_TIMEOUT = seconds        bound of each single wait of a server (default 10)
    GRACE = seconds               time the client gets to end after a server failed, and the
                                  servers get to end after the client ended (default 5)
"""

import importlib.util
import os
import select
import shutil
import signal
import socket
import subprocess
import sys
import threading
import time
import traceback

from . import cipher, frames, records

MARKER = ".testserver-workdir"
KEY_FILE = "crpt.cfg"
KEY_SEED = 2
KEY_FILE_LEN = 2400          # longer than the table: only the first 2,371 bytes may be used
CONFIG_FILE = "korvuc.cfg"
TRANSCRIPT = "transcript.txt"
CLIENT_OUTPUT = "client-output.txt"
GRACE = 5.0                  # time the servers get to finish once the client has ended
DEFAULT_STEP_TIMEOUT = 10.0
SHOW_LIMIT = 3000


class _Sentinel:
    def __init__(self, name):
        self.name = name

    def __repr__(self):
        return self.name


REFUSE = _Sentinel("REFUSE")
NO_CONNECTION = _Sentinel("NO_CONNECTION")


class ScenarioFailure(Exception):
    """An expectation of the scenario did not hold."""


class ConnectionClosed(ScenarioFailure):
    """The client closed (or reset) the connection while a server waited for bytes."""


def _hex(data, limit=64):
    data = bytes(data)
    text = " ".join("%02X" % b for b in data[:limit])
    if len(data) > limit:
        text += " ... (%d bytes)" % len(data)
    return text


class Frame:
    """One frame as it came: header values, the wire bytes and the deciphered body."""

    def __init__(self, total, flag, wire, body):
        self.total, self.flag, self.wire, self.body = total, flag, wire, body

    @property
    def text(self):
        end = self.body.find(b"\0")
        return self.body if end < 0 else self.body[:end]


class Transcript:
    def __init__(self, path):
        self._file = open(path, "w", encoding="utf-8", newline="\n")
        self._lock = threading.Lock()
        self._start = time.monotonic()
        self.lines = []

    def write(self, who, message):
        line = "%8.3f %-10s %s" % (time.monotonic() - self._start, who, message)
        with self._lock:
            self.lines.append(line)
            self._file.write(line + "\n")
            self._file.flush()

    def close(self):
        with self._lock:
            self._file.close()


class Context:
    """What every server function of one run shares: ports, key, workdir, what was sent."""

    def __init__(self, workdir, key, transcript, step_timeout, standins):
        self.workdir = workdir
        self.key = key
        self.transcript = transcript
        self.step_timeout = step_timeout
        self.standins = standins
        self.ports = {}
        self.config_text = b""  # korvuc.cfg as the harness wrote it
        self.sent = {}          # side -> bodies' texts sent, in order
        self.received = {}      # side -> Frame list, in order
        self.failures = []
        self.stopping = threading.Event()
        self._lock = threading.Lock()

    @property
    def dispatcher_port(self):
        return self.ports["dispatcher"]

    @property
    def app_port(self):
        return self.ports["app"]

    @property
    def closed_port(self):
        return self.ports["closed"]

    def log(self, message, who="scenario"):
        self.transcript.write(who, message)

    def fail(self, message):
        raise ScenarioFailure(message)

    def check(self, condition, message):
        if not condition:
            raise ScenarioFailure(message)

    def record_failure(self, who, message):
        with self._lock:
            self.failures.append("%s: %s" % (who, message))
        self.transcript.write(who, "FAIL " + message)

    def last_sent(self, side):
        """The last text (or body) that a side sent."""
        sent = self.sent.get(side) or []
        if not sent:
            raise ScenarioFailure("%s has sent nothing" % side)
        return sent[-1]

    def path(self, name):
        return os.path.join(self.workdir, name)

    def write_file(self, name, data):
        if isinstance(data, str):
            data = data.encode("cp1252")
        with open(self.path(name), "wb") as f:
            f.write(data)

    def read_file(self, name):
        try:
            with open(self.path(name), "rb") as f:
                return f.read()
        except FileNotFoundError:
            raise ScenarioFailure("file %s missing from the workdir" % name)

    def install_standin(self, name):
        """Copies a stand-in program (e.g. "wget") into the workdir, where the client finds it."""
        if not self.standins:
            raise ScenarioFailure("no stand-ins folder (--standins or KORVU_STANDINS_DIR)")
        source = os.path.join(self.standins, name + ".exe")
        if not os.path.isfile(source):
            raise ScenarioFailure("stand-in missing: %s" % source)
        shutil.copy(source, self.path(name + ".exe"))


class Conn:
    """One accepted connection, seen from the server."""

    def __init__(self, ctx, side, sock, index):
        self.ctx, self.side, self.sock, self.index = ctx, side, sock, index
        self.timeout = ctx.step_timeout
        self.closed = False
        sock.settimeout(self.timeout)
        try:
            sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        except OSError:
            pass

    # ---- checks
    def fail(self, message):
        raise ScenarioFailure(message)

    def check(self, condition, message):
        if not condition:
            raise ScenarioFailure(message)

    def check_login(self, text, **expected):
        """Fails unless `text` is the client's login request with the values given."""
        problems = frames.login_request_problems(text, **expected)
        if problems:
            raise ScenarioFailure("login request:\n    " + "\n    ".join(problems))

    def _log(self, message):
        self.ctx.transcript.write(self.side, message)

    # ---- receiving
    def _recv_some(self, limit, deadline, what, timeout):
        while True:
            if self.ctx.stopping.is_set():
                raise ScenarioFailure("%s: the run was stopped (the client had ended)" % what)
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise ScenarioFailure("%s: nothing came within %g s" % (what, timeout))
            ready, _, _ = select.select([self.sock], [], [], min(0.1, remaining))
            if not ready:
                continue
            try:
                data = self.sock.recv(limit)
            except ConnectionResetError:
                raise ConnectionClosed("%s: the client reset the connection" % what)
            except OSError as e:
                raise ConnectionClosed("%s: %s" % (what, e))
            if not data:
                raise ConnectionClosed("%s: the client closed the connection" % what)
            return data

    def _recv_exact(self, count, deadline, what, timeout):
        buf = bytearray()
        while len(buf) < count:
            try:
                buf += self._recv_some(count - len(buf), deadline, what, timeout)
            except ScenarioFailure as e:
                if buf:
                    raise type(e)("%s (after %d of %d bytes: %s)" % (
                        e, len(buf), count, _hex(buf, 16)))
                raise
        return bytes(buf)

    def expect_frame(self, flag=cipher.FLAG_PLAIN, binary=False, timeout=None):
        """Waits for the client's next frame and returns its deciphered text (without the NUL),
        or with binary=True its whole body. `flag` is the flag byte it must carry (None: any).
        A text frame must end with its one NUL."""
        frame = self.expect_raw_frame(timeout)
        if flag is not None and frame.flag != flag:
            raise ScenarioFailure("frame flag 0x%02X, expected 0x%02X" % (frame.flag, flag))
        if binary:
            return frame.body
        if not frame.body.endswith(b"\0") or b"\0" in frame.body[:-1]:
            raise ScenarioFailure("a text frame must end with its only NUL: %s" % records.show(
                frame.body, 200))
        return frame.body[:-1]

    def expect_raw_frame(self, timeout=None):
        """Waits for the next frame and returns it as a Frame, checking only its header."""
        timeout = self.timeout if timeout is None else timeout
        deadline = time.monotonic() + timeout
        what = "waiting for a frame"
        head = self._recv_exact(cipher.HEADER_LEN, deadline, what, timeout)
        total, flag = cipher.parse_header(head)
        if total <= cipher.HEADER_LEN or total > cipher.MAX_TOTAL:
            self._log("<<< header %s: total %d" % (_hex(head), total))
            raise ScenarioFailure("frame total %d outside 4 to %d" % (total, cipher.MAX_TOTAL))
        rest = self._recv_exact(total - cipher.HEADER_LEN, deadline,
                                "waiting for the %d bytes of a frame" % total, timeout)
        body = cipher.decipher(rest, self.ctx.key)
        frame = Frame(total, flag, head + rest, body)
        self._log("<<< total %d [%s] flag %02X: %s" % (
            total, _hex(head), flag, records.show(body, SHOW_LIMIT)))
        self.ctx.received.setdefault(self.side, []).append(frame)
        return frame

    def expect_closed(self, timeout=None):
        """Waits until the client closes the connection; bytes instead are a failure."""
        timeout = self.timeout if timeout is None else timeout
        deadline = time.monotonic() + timeout
        try:
            data = self._recv_some(65536, deadline, "waiting for the client to close", timeout)
        except ConnectionClosed as e:
            self._log("client closed (%s)" % ("reset" if "reset" in str(e) else "end of stream"))
            return
        self._log("<<< unexpected %d bytes: %s" % (len(data), _hex(data)))
        raise ScenarioFailure("the client sent %d more bytes instead of closing: %s" % (
            len(data), _hex(data, 16)))

    # ---- sending
    def send_raw(self, data, chunks=None, delay=None, note=None):
        """Sends bytes as they are, optionally cut in slices: `chunks` is a slice size or a list of
        sizes (what is left goes last); `delay` seconds between slices (0.05 by default)."""
        data = bytes(data)
        slices = _slices(data, chunks)
        if delay is None:
            delay = 0.05 if len(slices) > 1 else 0.0
        how = "" if len(slices) == 1 else " in %d slices %s, %g s apart" % (
            len(slices), [len(p) for p in slices][:12], delay)
        self._log(">>> %s%s" % (note or "raw %d bytes: %s" % (len(data), _hex(data)), how))
        for i, chunk in enumerate(slices):
            if i and delay:
                time.sleep(delay)
            try:
                self.sock.sendall(chunk)
            except OSError as e:
                raise ScenarioFailure("sending: %s" % e)

    def send_body(self, body, flag=cipher.FLAG_PLAIN, chunks=None, delay=None, recorded=None):
        """Sends a plain body enciphered behind its header. What `last_sent` gives for it
        (`recorded`, else the body) is in place before the first byte leaves, since another
        server may be reached through this very frame."""
        body = bytes(body)
        wire = cipher.wire_frame(body, self.ctx.key, flag)
        self.ctx.sent.setdefault(self.side, []).append(body if recorded is None else recorded)
        self.send_raw(wire, chunks, delay, note="total %d [%s] flag %02X: %s" % (
            len(wire), _hex(wire[:3]), flag, records.show(body, SHOW_LIMIT)))

    def send_text(self, text, flag=cipher.FLAG_PLAIN, chunks=None, delay=None):
        """Sends a text frame: the text and its NUL, enciphered behind its header."""
        text = bytes(text)
        self.send_body(cipher.text_body(text), flag, chunks, delay, recorded=text)

    def send_header_only(self, total, flag=cipher.FLAG_PLAIN):
        """Sends just a 3-byte header announcing `total` bytes (for wrong totals)."""
        self.send_raw(cipher.header(total, flag), note="header only, total %d" % total)

    def wire_text(self, text, flag=cipher.FLAG_PLAIN):
        """The wire bytes of a text frame, to send cut or altered with send_raw."""
        return cipher.wire_frame(cipher.text_body(bytes(text)), self.ctx.key, flag)

    def close(self):
        if not self.closed:
            self.closed = True
            try:
                self.sock.close()
            except OSError:
                pass
            self._log("server closed the connection")


def _slices(data, chunks):
    if not chunks:
        return [data]
    sizes = chunks if isinstance(chunks, (list, tuple)) else None
    out, at = [], 0
    while at < len(data):
        size = (sizes[len(out)] if len(out) < len(sizes) else len(data) - at) if sizes else chunks
        if size <= 0:
            raise ValueError("slice sizes must be positive")
        out.append(data[at:at + size])
        at += size
    return out or [data]


class Side:
    """One listening server of the run."""

    def __init__(self, name, behaviour, expected):
        self.name = name
        self.behaviour = behaviour
        self.expected = expected
        self.accepted = 0
        self.sock = None
        self.thread = None

    def open(self):
        self.sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.sock.bind(("127.0.0.1", 0))
        if self.behaviour is not REFUSE:
            self.sock.listen(8)
        return self.sock.getsockname()[1]

    def serve(self, ctx, client_done):
        while not ctx.stopping.is_set():
            ready, _, _ = select.select([self.sock], [], [], 0.1)
            if not ready:
                # A connection still in the backlog is seen before the side gives up.
                if client_done.is_set():
                    return
                continue
            try:
                sock, peer = self.sock.accept()
            except OSError:
                return
            self.accepted += 1
            conn = Conn(ctx, self.name, sock, self.accepted)
            ctx.transcript.write(self.name, "connection %d from %s:%d" % (
                self.accepted, peer[0], peer[1]))
            if not callable(self.behaviour) or self.accepted > self.expected:
                ctx.record_failure(self.name, "unexpected connection %d" % self.accepted)
                self._drain(conn)
                continue
            try:
                self.behaviour(conn)
            except ScenarioFailure as e:
                ctx.record_failure(self.name, str(e))
            except Exception:
                ctx.record_failure(self.name, "scenario error:\n" + traceback.format_exc())
            finally:
                conn.close()

    def _drain(self, conn):
        try:
            while True:
                conn.expect_raw_frame(timeout=0.5)
        except ScenarioFailure:
            pass
        conn.close()


def _load_scenario(path):
    # Scenarios of one folder may share a helper module there.
    folder = os.path.dirname(path)
    if folder not in sys.path:
        sys.path.insert(0, folder)
    found = importlib.util.spec_from_file_location("korvu_scenario", path)
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def _sides(scenario):
    behaviours = {"dispatcher": getattr(scenario, "dispatcher", NO_CONNECTION),
                  "app": getattr(scenario, "app", NO_CONNECTION)}
    for name, fn in (getattr(scenario, "SERVERS", None) or {}).items():
        if name in behaviours or name == "closed" or not name.isidentifier():
            raise ValueError("bad server name: %r" % name)
        behaviours[name] = fn
    counts = getattr(scenario, "CONNECTIONS", None) or {}
    sides = []
    for name, fn in behaviours.items():
        if not (callable(fn) or fn is REFUSE or fn is NO_CONNECTION):
            raise ValueError("%s must be a function, REFUSE or NO_CONNECTION" % name)
        sides.append(Side(name, fn, counts.get(name, 1) if callable(fn) else 0))
    return sides


def default_config(ctx):
    return [("servidor_int", "127.0.0.1"), ("servidor_ext", "127.0.0.1"),
            ("port", "%05d" % ctx.dispatcher_port), ("acceso_remoto", "no"),
            ("claus", KEY_FILE), ("dirdocs", "docs"), ("usuario", "ana"), ("empresa", "01"),
            ("idioma", "Es"), ("debugtrcli", "no")]


def config_text(lines, overrides):
    """korvuc.cfg text: the default lines with the overrides put in place or appended."""
    lines = list(lines)
    for key, value in overrides.items():
        at = [i for i, (k, _) in enumerate(lines) if k == key]
        if value is None:
            lines = [(k, v) for k, v in lines if k != key]
        elif at:
            lines[at[0]] = (key, value)
        else:
            lines.append((key, value))
    return "".join("%s=%s;\r\n" % (k, v) for k, v in lines)


def prepare_workdir(workdir):
    """Empties the workdir, refusing a folder that holds files and is not ours."""
    workdir = os.path.abspath(workdir)
    if os.path.isdir(workdir):
        entries = os.listdir(workdir)
        if entries and MARKER not in entries:
            raise SystemExit("testserver: %s holds files and is no workdir of ours; not cleaning"
                             % workdir)
        shutil.rmtree(workdir)
    os.makedirs(workdir)
    open(os.path.join(workdir, MARKER), "w").close()
    return workdir


def run(scenario_path, workdir, command, timeout=30.0, standins=None, out=None):
    """Runs the scenario against the client command; returns the exit status (0: all held)."""
    out = out or sys.stdout
    scenario = _load_scenario(os.path.abspath(scenario_path))
    workdir = prepare_workdir(workdir)
    transcript = Transcript(os.path.join(workdir, TRANSCRIPT))
    key = cipher.make_key(KEY_SEED, KEY_FILE_LEN)
    ctx = Context(workdir, key[:cipher.KEY_LEN], transcript,
                  float(getattr(scenario, "STEP_TIMEOUT", DEFAULT_STEP_TIMEOUT)), standins)
    sides = _sides(scenario)
    grace = float(getattr(scenario, "GRACE", GRACE))
    closed = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    client_done = threading.Event()
    status = None
    try:
        # Bound and never listening: connections to it are refused while the run lasts.
        closed.bind(("127.0.0.1", 0))
        ctx.ports["closed"] = closed.getsockname()[1]
        for side in sides:
            ctx.ports[side.name] = side.open()
        transcript.write("setup", "scenario %s; ports %s" % (
            os.path.basename(scenario_path),
            ", ".join("%s %d%s" % (s.name, ctx.ports[s.name],
                                   " (refusing)" if s.behaviour is REFUSE else
                                   " (no connection expected)" if s.expected == 0 else "")
                      for s in sides) + ", closed %d" % ctx.closed_port))

        with open(os.path.join(workdir, KEY_FILE), "wb") as f:
            f.write(key)
        overrides = dict(getattr(scenario, "CONFIG", None) or {})
        if callable(getattr(scenario, "config", None)):
            overrides.update(scenario.config(ctx) or {})
        ctx.config_text = config_text(default_config(ctx), overrides).encode("cp1252")
        with open(os.path.join(workdir, CONFIG_FILE), "wb") as f:
            f.write(ctx.config_text)
        if callable(getattr(scenario, "setup", None)):
            scenario.setup(ctx)

        env = dict(os.environ)
        for name, port in ctx.ports.items():
            env["KORVU_%s_PORT" % name.upper()] = str(port)
        env["KORVU_WORKDIR"] = workdir
        if standins:
            env["KORVU_STANDINS_DIR"] = os.path.abspath(standins)

        for side in sides:
            if side.behaviour is not REFUSE:
                side.thread = threading.Thread(target=side.serve, args=(ctx, client_done),
                                               name=side.name, daemon=True)
                side.thread.start()

        transcript.write("client", "start: %s" % " ".join(command))
        out.flush()
        # The client's output goes to a file, shown afterwards: background processes that it
        # may leave behind (wine's) then hold that file, not the pipe of whoever runs us.
        output_path = os.path.join(workdir, CLIENT_OUTPUT)
        with open(output_path, "wb") as output:
            proc = subprocess.Popen(command, cwd=workdir, env=env, start_new_session=True,
                                    stdin=subprocess.DEVNULL, stdout=output,
                                    stderr=subprocess.STDOUT)
            status = _wait_client(proc, ctx, timeout, grace)
        client_done.set()
        with open(output_path, "rb") as output:
            out.write(output.read().decode("utf-8", errors="replace"))
        out.flush()

        _finish_sides(ctx, sides, grace)
        if status is not None and status != 0:
            ctx.record_failure("client", "exit status %d" % status)
        if callable(getattr(scenario, "after", None)):
            try:
                scenario.after(ctx)
            except ScenarioFailure as e:
                ctx.record_failure("after", str(e))
            except Exception:
                ctx.record_failure("after", "scenario error:\n" + traceback.format_exc())
    except ScenarioFailure as e:
        ctx.record_failure("setup", str(e))
    finally:
        ctx.stopping.set()
        closed.close()
        for side in sides:
            if side.sock:
                side.sock.close()
    transcript.write("result", "FAILED" if ctx.failures else "passed")
    transcript.close()
    if ctx.failures:
        out.write("testserver: FAILED (%s)\n" % os.path.basename(scenario_path))
        for failure in ctx.failures:
            out.write("  - %s\n" % failure)
        out.write("transcript tail (%s):\n" % os.path.join(workdir, TRANSCRIPT))
        for line in transcript.lines[-40:]:
            out.write("  %s\n" % line[:400])
        out.flush()
        return 1
    return 0


def _wait_client(proc, ctx, timeout, grace):
    """The client's exit status, or None when it had to be killed: at the timeout, or `grace`
    seconds after a server found a failure (the client often ends by itself then)."""
    deadline = time.monotonic() + timeout
    failed_at = None
    while True:
        try:
            status = proc.wait(timeout=0.1)
            ctx.transcript.write("client", "exited with status %d" % status)
            return status
        except subprocess.TimeoutExpired:
            pass
        now = time.monotonic()
        if failed_at is None and ctx.failures:
            failed_at = now
        if now >= deadline or (failed_at is not None and now - failed_at >= grace):
            break
    try:
        os.killpg(proc.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    proc.wait()
    if failed_at is None:
        ctx.record_failure("client", "did not end within %g s; killed" % timeout)
    else:
        ctx.transcript.write("client", "killed %g s after the scenario failed" % grace)
    return None


def _finish_sides(ctx, sides, grace):
    """Gives the servers `grace` seconds to end once the client has ended, then stops them."""
    deadline = time.monotonic() + grace
    for side in sides:
        if side.thread:
            side.thread.join(max(0.0, deadline - time.monotonic()))
    late = [s for s in sides if s.thread and s.thread.is_alive()]
    if late:
        ctx.stopping.set()
        for side in late:
            side.thread.join(2.0)
    for side in sides:
        if side.accepted < side.expected:
            ctx.record_failure(side.name, "expected %d connection(s), got %d" % (
                side.expected, side.accepted))
