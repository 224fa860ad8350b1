"""After a second screen left by Enter on a button and back by F3, a mouse click on a button
reaches the screen on display: the reply's value shows in its edit, and the next request
(by the button's function key) carries what is shown."""

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
dispatcher = p.dispatcher_checking("secreto")


def app(conn):
    d = p.logged_in(conn)
    d.send_screen(p.A, {p.NAME: "primera"}, focus=p.NAME)
    d.expect_values(p.OTHER, p.OTHER, values={p.NAME: "primera"})
    d.send_screen(p.B, {p.DATA: "dato"}, focus=p.DATA)
    d.expect_values(p.BACK, p.BACK, values={p.DATA: "dato"})
    d.send_screen(p.A, {p.NAME: "antes"}, focus=p.NAME)
    d.expect_values(p.SEND, p.SEND, values={p.NAME: "antes"})
    d.send_screen(p.A, {p.NAME: "despues"}, focus=p.NAME)
    d.expect_values(p.SEND, p.SEND, values={p.NAME: "despues"})
    d.send_screen(p.A, {p.NAME: "final"}, focus=p.NAME)
    d.expect_closed()


def drive(d):
    d.wait_text("Otra", seconds=40)
    d.wait_focus("primera")
    d.move_focus_to("Otra")
    d.key("Return")
    d.wait_text("Volver")
    d.wait_focus("dato")
    d.key("F3")
    d.wait_focus("antes")
    d.click_text("Enviar")
    d.wait_focus("despues")
    d.wait_no_text("antes")
    # A second click this soon would be a double click, which the button reports as such.
    d.key("F5")
    d.wait_focus("final")
    d.key("F12")
