"""The dialogue end to end: a login typed at the login screen with real keys, the definitions
of the first screen sent on the way, then values exchanges driven by leaving a field that
sends, by a function key, by Enter on a button, on a second screen and back, and by the
refresh timer; every request checked byte for byte."""

from korvusrv.dialogue import ANY
from korvusrv.screens import Screen

import pantalles_prova as p

# The refresh timer starts an exchange only on a screen with a field of code 24. Screen A goes
# without one here, so that no step of the keys, however slow the machine, meets a timer tick;
# the timer is tried on C, screen A with that field, while nobody types.
C = b"EsPRUEBA  01003"
SCREEN_A = Screen(p.A, [f for f in p.screen_a().fields if f.code != p.TIMER])
SCREEN_C = Screen(C, p.screen_a().fields)

STEP_TIMEOUT = 45
CONFIG = {"intermens": "20"}
dispatcher = p.dispatcher_checking("clave1")


def app(conn):
    d = p.logged_in(conn, [SCREEN_A, p.screen_b(), SCREEN_C])
    # Byte 5 of a reply other than 0x80: after the login it goes back as it came, after a
    # values request the client sets it back to 0x80 (both checked with the next request).
    d.send_screen(p.A, {p.ACTIVE: "N"}, focus=p.CODE, request=0x41)
    # Leaving the code field (it sends) for the name field.
    d.expect_values(p.CODE, p.NAME, values={p.CODE: "A1", p.NAME: "", p.ACTIVE: " "})
    d.send_screen(p.A, {p.CODE: "A1", p.NAME: "Cliente A1", p.ACTIVE: "S"},
                  focus=p.NAME, request=0x41)
    # F5: the button bound to it triggers, and has the focus.
    d.expect_values(p.SEND, p.SEND, values={p.CODE: "A1", p.NAME: "Cliente A1x", p.ACTIVE: "S"})
    d.send_screen(p.A, {p.CODE: "A1", p.NAME: "Guardado", p.ACTIVE: "S"}, focus=p.NAME)
    # Enter on the button "Otra": the second screen.
    d.expect_values(p.OTHER, p.OTHER, values={p.NAME: "Guardado"})
    d.send_screen(p.B, {p.DATA: "dato"}, focus=p.DATA)
    # F3 on the second screen: back, to the screen with the timer's field.
    d.expect_values(p.BACK, p.BACK, values={p.DATA: "dato"})
    d.send_screen(C, {p.CODE: "A1", p.NAME: "De vuelta", p.TIMER: "sin actualizar"}, focus=p.NAME)
    # The refresh timer, with nobody at the keys; the value of the timer's field goes back too.
    d.expect_values(p.TIMER, p.NAME, values={p.TIMER: "sin actualizar", p.NAME: "De vuelta"})
    # Answered with screen A again: no later tick can come between the last key and the end.
    d.send_screen(p.A, {p.CODE: "A1", p.NAME: "Refrescado"}, focus=p.NAME)
    conn.expect_closed()


def drive(d):
    p.login_typed(d, "clave1")
    d.wait_text("Enviar", seconds=40)
    d.wait_focus("")
    d.type("A1")
    d.key("Tab")
    d.wait_focus("Cliente A1")
    d.key("End")
    d.type("x")
    d.key("F5")
    d.wait_focus("Guardado")
    d.move_focus_to("Otra")
    d.key("Return")
    d.wait_text("Volver")
    d.wait_focus("dato")
    d.key("F3")
    # The timer may tick as soon as C is shown, before anyone looks at it.
    d.wait_mark("values-5", seconds=40)
    d.wait_focus("Refrescado")
    d.key("F12")
