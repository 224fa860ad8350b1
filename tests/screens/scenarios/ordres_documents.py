"""A button's exchange that the server turns into a chain of document commands before its
screen reply: a document received in blocks, copied, a missing one asked for, one deleted, one
sent back in blocks, a raw print job for the test printer and a mail message. Every answer is
checked on the wire; the files, the printer's port and the mail link once the client has ended.
Old temporary files and installers are gone from the start."""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "documents", "scenarios"))

import docs_common as dc  # noqa: E402
import pantalles_prova as p  # noqa: E402

ARGUMENTS = p.AUTOLOGIN
STEP_TIMEOUT = 40  # the chain prints and starts programs while the server waits
dispatcher = p.dispatcher_checking("secreto")

RECEIVED = dc.sample(30000)
SENT = dc.sample(9000, seed=3)
PRINTER = "KorvuE2ERaw"
RAW = b"0E" + PRINTER.encode() + b"\n~\n#+027@~\nLinea \xe9\x1a\xff\r~\n"
PRINTED = b"\x1b@\nLinea \xe9\x1a\xff\r\n"
MAIL = b"ana@ex.com|Pedido-7|Hola"
LINK = b"mailto:ana@ex.com?subject=Pedido-7&body=Hola"


def setup(ctx):
    os.makedirs(ctx.path("docs/01"))
    ctx.write_file("docs/01/viejo.txt", b"viejo")
    ctx.write_file("docs/01/enviar.bin", SENT)
    ctx.write_file("korvuc_7install.exe", b"left by an earlier update")
    ctx.write_file("korvuc_7install.txt", b"not an installer")


def prepare(d):
    d.prepara("impressora", PRINTER, "port_raw.bin")
    d.prepara("abre")
    paths = [d.prepara("tmp", name) for name in ("{e2e_viejo.rtf", "e2e_queda.rtf")]
    with open(os.path.join(d.workdir, "tmp-paths"), "w") as f:
        f.write("\n".join(paths))


def app(conn):
    d = p.logged_in(conn)
    d.send_screen(p.A, {p.NAME: "antes"}, focus=p.NAME)
    d.expect_values(p.SEND, p.SEND, values={p.NAME: "antes"})

    conn.send_text(dc.command(b"4", b"w", b"recibido.bin"))
    dc.expect_answer(conn, b"0", "command 4")
    dc.send_file(conn, RECEIVED, "command 4")
    for code, f1, f2, answer in ((b"9", b"recibido.bin", b"copia.bin", b"0"),
                                 (b"5", b"falta.pdf", b"", b"9"),
                                 (b"7", b"viejo.txt", b"", b"0")):
        conn.send_text(dc.command(code, b"0", f1, f2))
        dc.expect_answer(conn, answer, "command %s %r" % (code.decode(), f1))
    conn.send_text(dc.command(b"6", b"0", b"enviar.bin"))
    data, _ = dc.receive_file(conn, "command 6")
    conn.check(data == SENT, "command 6: %d bytes arrived, not the %d of the file" % (
        len(data), len(SENT)))
    conn.send_text(dc.command(b"3", b"d"))
    dc.expect_answer(conn, b"0", "command 3")
    dc.send_file(conn, RAW, "command 3")
    conn.send_text(dc.command(b"A", b"0", MAIL))
    dc.expect_answer(conn, b"0", "command A")

    d.send_screen(p.A, {p.NAME: "despues"}, focus=p.NAME)
    d.expect_closed()


def drive(d):
    d.wait_text("Enviar", seconds=40)
    d.wait_focus("antes")
    d.click_text("Enviar")
    # The mail program came forward: the user clicks the screen's own close button.
    d.wait_text("despues", seconds=60)
    d.click_text("Cerrar")


def _waited(ctx, name, seconds=10):
    deadline = time.monotonic() + seconds
    while not os.path.exists(ctx.path(name)) and time.monotonic() < deadline:
        time.sleep(0.1)
    return ctx.read_file(name)


def after(ctx):
    ctx.check(ctx.read_file("docs/01/recibido.bin") == RECEIVED, "recibido.bin differs")
    ctx.check(ctx.read_file("docs/01/copia.bin") == RECEIVED, "copia.bin differs")
    ctx.check(not os.path.exists(ctx.path("docs/01/viejo.txt")), "viejo.txt is still there")
    ctx.check(_waited(ctx, "port_raw.bin") == PRINTED, "the printer received %r" %
              ctx.read_file("port_raw.bin")[:80])
    ctx.check(LINK in _waited(ctx, "abre-standin.log"), "no mail link opened")
    ctx.check(not os.path.exists(ctx.path("korvuc_7install.exe")), "an old installer stayed")
    ctx.check(os.path.exists(ctx.path("korvuc_7install.txt")), "a file that is no installer went")
    old, other = ctx.read_file("tmp-paths").decode().split("\n")
    ctx.check(not os.path.exists(old), "an old temporary RTF file stayed")
    ctx.check(os.path.exists(other), "a file in TMP that is not a temporary RTF file went")
    os.remove(other)
