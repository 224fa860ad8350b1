#!/usr/bin/env python3
"""A tiny client for checking the harness without the real one.

Modes: login (redirect login through the dispatcher to the application server), silent (connects
to the dispatcher and never sends), hang (never connects), exit N, refused NAME... (exit 0 when
every KORVU_<NAME>_PORT refuses a connection; the KORVU_ variables go to env.txt).
"""

import os
import socket
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

from korvusrv import cipher, frames, records  # noqa: E402


def read_config():
    values = {}
    with open("korvuc.cfg", "rb") as f:
        for line in f.read().decode("cp1252").splitlines():
            if "=" in line and ";" in line:
                k, v = line.split("=", 1)
                values[k] = v.split(";", 1)[0]
    return values


def recv_exact(sock, n):
    buf = bytearray()
    while len(buf) < n:
        data = sock.recv(n - len(buf))
        if not data:
            raise SystemExit("server closed after %d of %d bytes" % (len(buf), n))
        buf += data
    return bytes(buf)


def exchange(sock, key, text):
    sock.sendall(cipher.wire_frame(cipher.text_body(text), key))
    total, _ = cipher.parse_header(recv_exact(sock, 3))
    body = cipher.decipher(recv_exact(sock, total - 3), key)
    return body[:body.index(b"\0")]


def login():
    cfg = read_config()
    with open(cfg["claus"], "rb") as f:
        key = f.read()[:cipher.KEY_LEN]
    request = frames.login_request(cfg["usuario"], b"secreto", cfg["empresa"], cfg["idioma"])
    with socket.create_connection((cfg["servidor_int"], int(cfg["port"])), timeout=10) as d:
        reply = exchange(d, key, request)
    if reply[21:36] != frames.LOGIN_SCREEN:
        print("dispatcher answered itself: %s" % records.show(reply[21:36]))
        return 0
    rec = records.record_of(reply)
    address = records.coded(rec, 59)[1].decode("ascii")
    port = int(records.coded(rec, 60)[1])
    with socket.create_connection((address, port), timeout=10) as a:
        answer = exchange(a, key, reply)
    print("application server answered screen %s" % records.show(answer[21:36]))
    return 0


def refused(names):
    with open("env.txt", "w") as f:
        for k in sorted(os.environ):
            if k.startswith("KORVU_"):
                f.write("%s=%s\n" % (k, os.environ[k]))
    for name in names:
        port = int(os.environ["KORVU_%s_PORT" % name.upper()])
        try:
            socket.create_connection(("127.0.0.1", port), timeout=5).close()
        except ConnectionRefusedError:
            continue
        print("%s port %d accepted a connection" % (name, port))
        return 1
    return 0


def main(argv):
    mode = argv[0] if argv else "login"
    if mode == "login":
        return login()
    if mode == "silent":
        with socket.create_connection(("127.0.0.1", int(os.environ["KORVU_DISPATCHER_PORT"]))):
            time.sleep(60)
        return 0
    if mode == "hang":
        time.sleep(60)
        return 0
    if mode == "exit":
        return int(argv[1])
    if mode == "refused":
        return refused(argv[1:])
    raise SystemExit("unknown mode %s" % mode)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
