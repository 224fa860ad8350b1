# Command 3: a received file saved where the user chooses, a java report, a report converted
# for a spreadsheet, a file for the files folder, printing and the print-form test.
import docs_common as dc

SAMPLE = dc.sample(50000, seed=9)
REPORT = b"XAB\r\n\x01\nCD\x1a\x01"


def dispatcher(conn):
    dc.redirect(conn)


def setup(ctx):
    import os
    for d in ("docs/01", "tmp", "jfree", "ficheros/01"):
        os.makedirs(ctx.path(d), exist_ok=True)
    ctx.install_standin("javaw")


def app(conn):
    dc.first_frame(conn)
    for mode, name, data in ((b"x", b"datos.bin", SAMPLE), (b"i", b"report.xml", b"<r/>"),
                             (b"b", b"", REPORT), (b"g", b"foto.pdf", SAMPLE),
                             (b"c", b"", b"ticket"), (b"I", b"form.xml", b"<f/>")):
        conn.send_text(dc.command(b"3", mode, name))
        dc.expect_answer(conn, b"0", "command 3 %r" % mode)
        dc.send_file(conn, data, "command 3 %r" % mode)
    conn.send_text(dc.screen())
    conn.expect_closed()


def after(ctx):
    ctx.check(ctx.read_file("salida.bin") == SAMPLE, "salida.bin differs")
    ctx.check(ctx.read_file("ficheros/01/foto.pdf") == SAMPLE, "foto.pdf differs")
    ctx.check(ctx.read_file("tmp/report.xml") == b"<r/>", "report.xml")
