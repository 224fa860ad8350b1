"""A failure that leaves the message loop: Ctrl+L cannot open the client log (a folder holds
its name), the keyboard command fails with "#ref 260", the window procedure shows it and hands
it on, and the program entry shows it again after the main window is gone; the program ends
with -1, without a fault (the window never outlives its controller)."""

import os

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
EXIT = -1
dispatcher = p.dispatcher_checking("secreto")
TEXT = "Error #ref 260, cargando pantalla inicial"


def setup(ctx):
    os.mkdir(ctx.path("korvucli.log"))


def app(conn):
    d = p.logged_in(conn)
    d.send_screen(p.A, {p.NAME: "listo"}, focus=p.NAME)
    d.expect_closed()


def drive(d):
    d.wait_text("Enviar", seconds=40)
    d.activate()
    d.wait_focus("listo")
    d.key("ctrl+l")
    first = d.box("Korvuc Error", seconds=10)
    if first != TEXT:
        raise d.failure("first box %r, expected %r" % (first, TEXT))
    p.one_error_box(d, text=TEXT)
    ok, _ = d.sonda("gone", seconds=10)
    if not ok:
        raise d.failure("the main window is still there")
