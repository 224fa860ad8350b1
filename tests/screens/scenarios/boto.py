"""A click on a button with the mouse starts the exchange of its field."""

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
dispatcher = p.dispatcher_checking("secreto")


def app(conn):
    d = p.logged_in(conn)
    d.send_screen(p.A, {p.NAME: "antes"}, focus=p.NAME)
    d.expect_values(p.SEND, p.SEND, values={p.NAME: "antes"})
    d.send_screen(p.A, {p.NAME: "despues"}, focus=p.NAME)
    d.expect_closed()


def drive(d):
    d.wait_text("Enviar", seconds=40)
    d.wait_focus("antes")
    d.click_text("Enviar")
    d.wait_mark("values-1")
    d.screenshot("boto.png")
    d.wait_focus("despues")
    d.key("F12")
