# Documents received in blocks: byte for byte (0x1A, NUL, CR and LF included), a read-only
# document replaced and left read-only, a read-only one refused in writable mode, one that
# another program holds open refused before any block, an empty one (an empty block on the way)
# replaced by the start folder's default, and a large one.
import docs_common as dc

SAMPLE = dc.sample(300000)
BIG = dc.big(20 * 1024 * 1024)
STEP_TIMEOUT = 60


def dispatcher(conn):
    dc.redirect(conn)


def setup(ctx):
    import os
    os.makedirs(ctx.path("docs/01"), exist_ok=True)
    ctx.write_file("docs/01/informe.pdf", b"old report")
    ctx.write_file("docs/01/bloqueado.pdf", b"locked")
    ctx.write_file("docs/01/abierto.pdf", b"held open")
    ctx.write_file("default.docx", b"DEFAULT DOCX")


def app(conn):
    dc.first_frame(conn)
    conn.send_text(dc.command(b"4", b"r", b"informe.pdf"))
    dc.expect_answer(conn, b"0", "command 4 r")
    dc.send_file(conn, SAMPLE, "informe.pdf")
    conn.send_text(dc.command(b"4", b"w", b"bloqueado.pdf"))
    dc.expect_answer(conn, b"9", "command 4 w on a read-only document")
    conn.send_text(dc.command(b"4", b"W", b"abierto.pdf"))
    dc.expect_answer(conn, b"9", "command 4 W on a document held open without sharing")
    conn.send_text(dc.command(b"4", b"w", b"vacio.docx"))
    dc.expect_answer(conn, b"0", "command 4 w empty")
    conn.send_body(b"")
    dc.expect_answer(conn, b"0", "an empty block, the header alone")
    dc.send_file(conn, b"", "vacio.docx")
    conn.send_text(dc.command(b"4", b"W", b"grande.bin"))
    dc.expect_answer(conn, b"0", "command 4 W")
    dc.send_file(conn, BIG, "grande.bin")
    conn.send_text(dc.screen())
    conn.expect_closed()


def after(ctx):
    ctx.check(ctx.read_file("docs/01/informe.pdf") == SAMPLE, "informe.pdf differs from what was sent")
    ctx.check(ctx.read_file("docs/01/bloqueado.pdf") == b"locked", "bloqueado.pdf changed")
    ctx.check(ctx.read_file("docs/01/abierto.pdf") == b"held open", "abierto.pdf changed")
    ctx.check(ctx.read_file("docs/01/vacio.docx") == b"DEFAULT DOCX", "vacio.docx is not the default")
    ctx.check(ctx.read_file("docs/01/grande.bin") == BIG, "grande.bin differs from what was sent")
    import os
    left = set(os.listdir(ctx.path("docs/01"))) - {"informe.pdf", "bloqueado.pdf", "abierto.pdf",
                                                   "vacio.docx", "grande.bin"}
    ctx.check(not left, "files left in the documents folder: %r" % sorted(left))
