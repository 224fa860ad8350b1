"""A reply that comes in small pieces is put together and applied."""

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
dispatcher = p.dispatcher_checking("secreto")


def app(conn):
    d = p.logged_in(conn)
    d.send_screen(p.A, {p.NAME: "entera"}, focus=p.NAME)
    d.expect_values(p.SEND, p.SEND, values={p.NAME: "entera"})
    d.send_screen(p.A, {p.NAME: "a trozos"}, focus=p.NAME, chunks=7, delay=0.005)
    d.expect_closed()


def drive(d):
    d.wait_text("Enviar", seconds=40)
    d.activate()
    d.wait_focus("entera")
    d.key("F5")
    d.wait_focus("a trozos", seconds=30)
    d.key("F12")
