"""Definitions refreshed on the server's word, end to end, with the login of "/i": the first
screen's series sent because the client has none, then command "2" (every screen of the
language), command "1" (the series) and, coming back from another screen, a changed check
number (the series again), after
which the changed field is on screen."""

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
STEP_TIMEOUT = 30
dispatcher = p.dispatcher_checking("secreto")


def app(conn):
    d = p.logged_in(conn)
    served = []
    serve = d.serve_definitions
    d.serve_definitions = lambda request: (served.append(request[2:3]), serve(request))
    d.send_screen(p.A, {p.NAME: "uno"}, focus=p.NAME)
    d.expect_values(p.SEND, p.SEND)
    d.send_screen(p.A, {p.NAME: "dos"}, focus=p.NAME, command=b"2")
    d.expect_values(p.SEND, p.SEND, values={p.NAME: "dos"})
    d.send_screen(p.A, {p.NAME: "tres"}, focus=p.NAME, command=b"1")
    d.expect_values(p.SEND, p.SEND, values={p.NAME: "tres"})
    d.send_screen(p.B, {p.DATA: "otra"}, focus=p.DATA)
    d.expect_values(p.BACK, p.BACK, values={p.DATA: "otra"})
    # The first screen comes back with another check number: its definition changed.
    d.screens[p.A] = p.screen_a("Referencia", code_len=12)
    d.send_screen(p.A, {p.NAME: "cuatro"}, focus=p.NAME)
    d.expect_values(p.SEND, p.SEND, values={p.NAME: "cuatro"})
    conn.check(served == [b"b", b"c", b"b", b"b"], "definitions served: %r" % served)
    d.send_screen(p.A, {p.NAME: "fin"}, focus=p.NAME)
    conn.expect_closed()


def drive(d):
    d.wait_text("Enviar", seconds=40)
    for name in ("uno", "dos", "tres"):
        d.activate()
        d.wait_focus(name)
        d.key("F5")
    d.wait_focus("otra")
    d.key("F3")
    d.wait_text("Referencia")
    d.wait_focus("cuatro")
    d.key("F5")
    d.wait_focus("fin")
    d.key("F12")
