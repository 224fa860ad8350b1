# Open, copy, delete and incorporate documents, documents opened by the SVG viewer or the
# shell, and mail: every answer on the wire.
import docs_common as dc
from korvusrv import records


def dispatcher(conn):
    dc.redirect(conn)


def setup(ctx):
    import os
    for d in ("docs/01", "import", "fuera", "import.d"):
        os.makedirs(ctx.path(d), exist_ok=True)
    ctx.write_file("docs/01/carta.pdf", b"carta")
    ctx.write_file("import/origen.csv", b"a;b\r\n")
    ctx.write_file("fuera/datos.dat", b"dat")
    ctx.write_file("import.d/sinext", b"x")
    ctx.install_standin("svgviewer")


def app(conn):
    dc.first_frame(conn)
    for code, f1, f2, answer in ((b"5", b"carta.pdf", b"", b"0"), (b"5", b"falta.pdf", b"", b"9"),
                                 (b"9", b"carta.pdf", b"copia.pdf", b"0"),
                                 (b"7", b"copia.pdf", b"", b"0"), (b"7", b"copia.pdf", b"", b"9")):
        conn.send_text(dc.command(code, b"0", f1, f2))
        dc.expect_answer(conn, answer, "command %s %r" % (code.decode(), f1))

    request = dc.command(b"8", b"0", b"nuevo.txt")
    conn.send_text(request)
    reply = conn.expect_frame()
    rec = records.record_of(reply)
    conn.check(reply[:1] == b"0", "command 8: byte 0 %r" % reply[:1])
    conn.check(records.field(rec, 1) == b"00origen" and records.field(rec, 2) == b"00csv",
               "command 8: fields %r %r" % (records.field(rec, 1), records.field(rec, 2)))
    conn.check(reply[1:50] == request[1:50], "command 8: the header changed")

    conn.send_text(dc.command(b"8", b"0", b"otro.dat"))
    reply = conn.expect_frame()
    conn.check(records.field(records.record_of(reply), 1) == b"00datos", "command 8 outside import")
    conn.send_text(dc.command(b"8", b"0", b"x.txt"))
    dc.expect_answer(conn, b"1", "command 8 cancelled")
    conn.send_text(dc.command(b"8", b"0", b"y.txt"))
    dc.expect_answer(conn, b"9", "command 8 without extension")

    for name in (b"plano.svg", b"plano.Svg"):
        conn.send_text(dc.command(b"4", b"R", name))
        dc.expect_answer(conn, b"0", "command 4 R %r" % name)
        dc.send_file(conn, b"<svg/>", name.decode())

    conn.send_text(dc.command(b"A", b"0", b"ana@ex.com|Pedido & 5?|Hola 100%\r\nfin"))
    dc.expect_answer(conn, b"0", "mail")
    conn.send_text(dc.screen())
    conn.expect_closed()


def after(ctx):
    import os
    ctx.check(ctx.read_file("docs/01/nuevo.csv") == b"a;b\r\n", "nuevo.csv")
    ctx.check(not os.path.exists(ctx.path("import/origen.csv")), "import/origen.csv not deleted")
    ctx.check(ctx.read_file("docs/01/otro.dat") == b"dat", "otro.dat")
    ctx.check(not os.path.exists(ctx.path("docs/01/copia.pdf")), "copia.pdf not deleted")
