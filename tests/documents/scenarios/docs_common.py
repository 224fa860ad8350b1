"""What the document scenarios share: the login and redirect, command frames, and the block
format of file transfers written again on the server's side (runs of 3 or more equal bytes,
literals of up to 127 bytes, 0xC0 to end)."""

import random
import re

from korvusrv import frames

MENU = b"EsKRVMEN  01001"
PASSWORD = "s3creta"
BLOCK = 8000          # a block the server sends fits the client's receive area of 8,197 bytes
_RUN = re.compile(rb"(.)\1{2,}", re.S)


def redirect(conn):
    conn.check_login(conn.expect_frame(), user="ana", password=PASSWORD, company="01",
                     language="Es")
    text = frames.redirect_reply("127.0.0.1", conn.ctx.app_port)
    conn.ctx.redirect_text = text
    conn.send_text(text)
    conn.expect_closed()


def first_frame(conn):
    frame = conn.expect_raw_frame()
    conn.check(frame.body == conn.ctx.redirect_text + b"\0", "first frame is not the redirect")


def command(code, mode=b"0", field1=b"", field2=b""):
    """A reply that carries a command code, its mode letter and fields 1 and 2."""
    return frames.reply(MENU, {1: b"00" + field1, 2: b"00" + field2}, count=4, command=code,
                        mode=mode)


def screen():
    return frames.reply(MENU, {1: b"00fin"}, count=4)


def expect_answer(conn, answer, what):
    got = conn.expect_frame()
    conn.check(got == answer, "%s: answer %r, expected %r" % (what, got, answer))


def items(data):
    """The items of a file: runs of 3 or more equal bytes, literals between them."""
    out = []

    def literal(segment):
        for at in range(0, len(segment), 127):
            piece = segment[at:at + 127]
            out.append(bytes([len(piece)]) + piece)

    at = 0
    for m in _RUN.finditer(data):
        literal(data[at:m.start()])
        length = m.end() - m.start()
        while length > 0:
            k = min(63, length)
            out.append(bytes([0x80 | k, data[m.start()]]))
            length -= k
        at = m.end()
    literal(data[at:])
    return out


def blocks(data, size=BLOCK):
    """The blocks of a file, the end mark in the last one."""
    out, block = [], bytearray()
    for item in items(data):
        if len(block) + len(item) > size:
            out.append(bytes(block))
            block = bytearray()
        block += item
    if len(block) + 1 > size:
        out.append(bytes(block))
        block = bytearray()
    block.append(0xC0)
    out.append(bytes(block))
    return out


def decode(block):
    """(bytes, ended) of one block; a malformed block fails."""
    out = bytearray()
    pos = 0
    while pos < len(block):
        c = block[pos]
        if c >= 0xC0:
            return bytes(out), True
        if c < 0x80:
            if pos + 1 + c > len(block):
                raise ValueError("literal past the block at %d" % pos)
            out += block[pos + 1:pos + 1 + c]
            pos += 1 + c
        else:
            if pos + 2 > len(block):
                raise ValueError("repeat cut at %d" % pos)
            out += bytes([block[pos + 1]]) * (c & 0x3F)
            pos += 2
    return bytes(out), False


def send_file(conn, data, what, answers=None):
    """Sends a file block by block; the client answers "0" after each one."""
    for i, block in enumerate(blocks(data)):
        conn.send_body(block)
        expect_answer(conn, b"0" if answers is None else answers[i], "%s, block %d" % (what, i + 1))


def receive_file(conn, what, limit=4099):
    """A file that the client sends: blocks of kind 0 are answered "0"; the one that ends it
    travels with kind 1 and gets no answer."""
    data = bytearray()
    count = 0
    while True:
        frame = conn.expect_raw_frame()
        conn.check(frame.flag == 0, "%s: flag 0x%02X" % (what, frame.flag))
        body = frame.body
        conn.check(len(body) <= limit, "%s: block of %d bytes" % (what, len(body)))
        part, ended = decode(body)
        data += part
        count += 1
        if ended:
            return bytes(data), count
        conn.send_text(b"0")


def sample(size, seed=7):
    """A file of runs and random stretches, holding 0x1A, NUL, CR and LF bytes."""
    rnd = random.Random(seed)
    out = bytearray(b"\x1a\x00\r\n\x1a")
    while len(out) < size:
        if rnd.random() < 0.5:
            out += bytes([rnd.randrange(256)]) * rnd.randrange(1, 200)
        else:
            out += bytes(rnd.randrange(256) for _ in range(rnd.randrange(1, 300)))
    return bytes(out[:size])


def big(size, seed=11):
    """A large file, mostly runs, with a random stretch every 64 KB (quick to make)."""
    rnd = random.Random(seed)
    stretch = bytes(rnd.randrange(256) for _ in range(300))
    parts = []
    total = 0
    n = 0
    while total < size:
        if n % 1000 == 0:
            parts.append(stretch + b"\x1a")
            total += 301
        parts.append(bytes([n % 251]) * 63)
        total += 63
        n += 1
    return b"".join(parts)[:size]
