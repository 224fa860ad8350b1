# Files sent in blocks: from the documents folder, picked in the Open dialog, empty, large, and
# refused (dialog cancelled, file missing); a sending stopped by an answer other than "0".
import docs_common as dc
from korvusrv import cipher

SAMPLE = dc.sample(300000, seed=3)
PICKED = dc.sample(9000, seed=4)
BIG = dc.big(20 * 1024 * 1024, seed=5)
STEP_TIMEOUT = 60


def dispatcher(conn):
    dc.redirect(conn)


def setup(ctx):
    import os
    os.makedirs(ctx.path("docs/01"), exist_ok=True)
    os.makedirs(ctx.path("import"), exist_ok=True)
    ctx.write_file("docs/01/envio.bin", SAMPLE)
    ctx.write_file("docs/01/vacio.bin", b"")
    ctx.write_file("docs/01/grande.bin", BIG)
    ctx.write_file("import/elegido.pdf", PICKED)


def expect_refusal(conn, request, what):
    frame = conn.expect_raw_frame()
    conn.check(frame.flag == cipher.FLAG_REFUSAL and frame.body == request + b"\0",
               "%s: no refusal (flag 0x%02X)" % (what, frame.flag))


def app(conn):
    dc.first_frame(conn)
    for name, data in ((b"envio.bin", SAMPLE), (b"*.pdf", PICKED), (b"grande.bin", BIG)):
        conn.send_text(dc.command(b"6", b"0", name))
        got, count = dc.receive_file(conn, name.decode())
        conn.check(got == data, "%s: %d bytes arrived, %d sent" % (name, len(got), len(data)))
        conn.ctx.log("%s: %d blocks" % (name, count))

    conn.send_text(dc.command(b"6", b"0", b"vacio.bin"))
    frame = conn.expect_raw_frame()
    conn.check((frame.total, frame.body) == (4, b"\xc0"), "empty file: %r" % frame.body)

    for name in (b"*.txt", b"noexiste.bin"):
        request = dc.command(b"6", b"0", name)
        conn.send_text(request)
        expect_refusal(conn, request, name.decode())

    # An answer other than "0" stops the sending without an end mark.
    conn.send_text(dc.command(b"6", b"0", b"envio.bin"))
    first = conn.expect_raw_frame()
    conn.check(first.total > 3696 + 3, "first block of %d bytes" % first.total)
    conn.send_text(b"9")
    conn.send_text(dc.screen())
    conn.expect_closed()
