"""Command "z" without "# ref 912": its message in one error box, and the program ends."""

from korvusrv import frames

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
dispatcher = p.dispatcher_checking("secreto")
MESSAGE = "Servicio en mantenimiento hasta las 15:00"


def app(conn):
    p.logged_in(conn)
    conn.send_text(frames.reply(p.A, {1: b"00" + MESSAGE.encode("cp1252")}, command=b"z"))
    conn.expect_closed()


def drive(d):
    p.one_error_box(d, text=MESSAGE)
