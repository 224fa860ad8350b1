"""A system library loaded at its first use that cannot be loaded: winmm, turned off for the
client. Logging in needs none of it; the first sound the server asks for shows the error box
once, and the program goes on: the next exchange, and the sound after it, are as ever."""

import re

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
DLL_OVERRIDES = "winmm=d"
dispatcher = p.dispatcher_checking("secreto")
SOUND = {9: "00!s01"}


def app(conn):
    d = p.logged_in(conn)
    d.send_screen(p.A, {p.NAME: "antes"}, focus=p.NAME, extra=SOUND)
    d.expect_values(p.SEND, p.SEND, values={p.NAME: "antes"})
    d.send_screen(p.A, {p.NAME: "despues"}, focus=p.NAME, extra=SOUND)
    d.expect_closed()


def drive(d):
    text = d.box(seconds=40)
    # The library, the system's code and its text.
    if not re.match(r"Error cargando winmm\.dll, cod\. 126 \S", text):
        raise d.failure("the error box reads %r" % text)
    d.wait_focus("antes")
    d.click_text("Enviar")
    d.wait_mark("values-1")
    d.wait_focus("despues")
    ok, _ = d.sonda("box", "Korvuc Error", seconds=2)
    if ok:
        raise d.failure("a second box for the same library")
    d.key("F12")
