# Names from the server that would leave the documents folder, or name a device, are refused
# with each command's failure answer, and nothing outside the folder is read, written or
# deleted.
import docs_common as dc
from korvusrv import cipher

SAMPLE = dc.sample(5000)


def dispatcher(conn):
    dc.redirect(conn)


def setup(ctx):
    import os
    os.makedirs(ctx.path("docs/01"), exist_ok=True)
    ctx.write_file("docs/victima.txt", b"victim")
    ctx.write_file("docs/01/carta.txt", b"carta")


def app(conn):
    dc.first_frame(conn)
    refused = [
        (b"4", b"w", b"..\\fuera.pdf", b""),
        (b"4", b"W", b"CON", b""),
        (b"4", b"r", b"nul.txt", b""),
        (b"5", b"0", b"..\\..\\korvuc.cfg", b""),
        (b"7", b"0", b"..\\victima.txt", b""),
        (b"7", b"0", b"C:\\victima.txt", b""),
        (b"9", b"0", b"carta.txt", b"..\\copia.txt"),
        (b"9", b"0", b"..\\victima.txt", b"robada.txt"),
        (b"8", b"0", b"..\\x.txt", b""),
        (b"5", b"0", b"a" * 300 + b".pdf", b""),
        (b"4", b"w", b"a" * 300 + b".pdf", b""),
    ]
    for code, mode, f1, f2 in refused:
        conn.send_text(dc.command(code, mode, f1, f2))
        dc.expect_answer(conn, b"9", "command %s %r" % (code.decode(), f1))
    request = dc.command(b"6", b"0", b"..\\..\\crpt.cfg")
    conn.send_text(request)
    refusal = conn.expect_raw_frame()
    conn.check(refusal.flag == cipher.FLAG_REFUSAL, "command 6: flag 0x%02X" % refusal.flag)
    conn.check(refusal.body == request + b"\0", "command 6: the refusal is not the request")
    # Command 3 to the files folder: received, but the copy under that name is refused.
    conn.send_text(dc.command(b"3", b"g", b"..\\..\\x.bin"))
    dc.expect_answer(conn, b"0", "command 3 g")
    dc.send_file(conn, SAMPLE, "x.bin")
    # A java report under such a name cannot even be received: the exchange ends.
    conn.send_text(dc.command(b"3", b"i", b"..\\r.xml"))
    dc.expect_answer(conn, b"0", "command 3 i")
    conn.expect_closed()


def after(ctx):
    import os
    ctx.check(ctx.read_file("docs/victima.txt") == b"victim", "docs/victima.txt changed")
    for name in ("docs/fuera.pdf", "docs/copia.txt", "docs/01/robada.txt", "x.bin", "tmp/../r.xml",
                 "r.xml"):
        ctx.check(not os.path.exists(ctx.path(name)), "%s was written" % name)
