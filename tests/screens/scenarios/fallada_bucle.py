"""A failure that leaves the message loop: "Yes" to the exit question, and the company's
documents folder cannot be made (a file holds its name). The close handler's "#ref 035_4"
is shown by the window procedure and handed on, and the program entry shows it again after
the main window is gone; the program ends with -1, without a fault (the window never outlives
its controller)."""

import os

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
EXIT = -1
dispatcher = p.dispatcher_checking("secreto")
TEXT = "Error #ref 035_4, error en directorio de documentos"


def setup(ctx):
    os.makedirs(ctx.path("docs"), exist_ok=True)
    ctx.write_file(os.path.join("docs", "01"), b"not a folder")


def app(conn):
    d = p.logged_in(conn)
    d.send_screen(p.A, {p.NAME: "listo"}, focus=p.NAME)
    d.expect_closed(timeout=60)


def drive(d):
    d.wait_text("Enviar", seconds=40)
    d.sonda("close")
    d.box("KORVU", answer=6)
    first = d.box("Korvuc Error", seconds=10)
    if first != TEXT:
        raise d.failure("first box %r, expected %r" % (first, TEXT))
    # The program entry's box, shown once the main window is gone.
    ok, second = d.sonda("box", "Korvuc Error", seconds=10)
    if not ok or second != TEXT:
        raise d.failure("second box %r, expected %r" % (second if ok else None, TEXT))
    ok, _ = d.sonda("gone", seconds=2)
    if not ok:
        raise d.failure("the main window is still there under the program entry's box")
    d.box("Korvuc Error", seconds=5)
    ok, third = d.sonda("box", "Korvuc Error", seconds=2)
    if ok:
        raise d.failure("a third error box: %r" % third)
