"""Signed, decimal and date values typed with real keys into a Spanish screen: what each field
shows once it is left, and what the server receives for it, byte for byte."""

from korvusrv.dialogue import ANY
from korvusrv.screens import Field, Screen

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
STEP_TIMEOUT = 45
dispatcher = p.dispatcher_checking("secreto")

V = b"EsVALORES 01001"
REF, IMPORTE, CANTIDAD, FECHA, SEND, CLOSE = 10, 11, 12, 13, 14, 15
# Signed (mark 1), two decimals, grouping: 12 digit positions, 10 of them before the comma.
SCREEN = Screen(V, [
    Field(REF, "C", "Referencia", x1=20, y1=20, maxlen=10, order=1),
    Field(IMPORTE, "C", "Importe", x1=20, y1=60, data="2", mark=1, maxlen=12, variant=1, order=2),
    Field(CANTIDAD, "C", "Cantidad", x1=20, y1=100, data="2", mark=1, maxlen=12, variant=1, order=3),
    Field(FECHA, "C", "Fecha", x1=20, y1=140, data="F", maxlen=10, order=4),
    Field(SEND, "B", "Enviar", x1=20, y1=180, key=5, action=1, order=5, maxlen=10),
    Field(CLOSE, "B", "Cerrar", x1=120, y1=180, key=12, action=9, order=6, maxlen=10),
])


def app(conn):
    d = p.logged_in(conn, [SCREEN])
    d.send_screen(V, {REF: "R1"}, focus=REF)
    # "-1234,5" over the selected "0,00"; a lone "-"; the date "5/3/24".
    d.expect_values(SEND, SEND, values={REF: "R1", IMPORTE: "-1234.50", CANTIDAD: "0.00",
                                        FECHA: "05/03/2024"})
    d.send_screen(V, {REF: "R1", IMPORTE: "-1234.50", CANTIDAD: "1500", FECHA: "05/03/2024"},
                  focus=CANTIDAD)
    # "1.500,00" selected whole by the user and replaced by "-75"; grouping points typed.
    d.expect_values(SEND, SEND, values={REF: "R1", IMPORTE: "1234567.80", CANTIDAD: "-75.00",
                                        FECHA: "05/03/2024"})
    d.send_screen(V, {REF: "R1", IMPORTE: "1234567.80", CANTIDAD: "-75.00", FECHA: "05/03/2024"},
                  focus=IMPORTE)
    # Too many digits: refused when the field is left, and F5 then sends nothing; the next
    # request is the one the user sends once the field is mended.
    d.expect_values(SEND, ANY, values={REF: "R1", IMPORTE: "-99.50", CANTIDAD: "-75.00",
                                       FECHA: "05/03/2024"})
    # A value from the server replaces the refused text.
    d.send_screen(V, {REF: "R1", IMPORTE: "99.5", CANTIDAD: "-75.00", FECHA: "05/03/2024"},
                  focus=IMPORTE)
    d.expect_closed()


def leave(d, typed, shown, key="Tab"):
    """The text reached the field; leaving it shows it formatted (and no box)."""
    d.wait_focus(typed)
    d.key(key)
    d.wait_text(shown)


def refused(d, key):
    """Leaving the field with this key shows the box for a wrong value."""
    d.key(key)
    text = d.box("Error")
    if text != "Valor incorrecto":
        raise d.failure("box %r, expected \"Valor incorrecto\"" % text)


def drive(d):
    d.wait_text("Enviar", seconds=40)
    d.wait_focus("R1")
    d.key("Tab")
    d.wait_focus("0,00")
    d.type("-1234,5")
    leave(d, "-1234,5", "-1.234,50")
    d.wait_focus("0,00")
    d.type("-")
    # Only the field left can show "0,00" now (the date field is empty).
    leave(d, "-", "0,00")
    d.wait_focus("")
    d.type("5/3/24")
    leave(d, "5/3/24", "05/03/2024")
    d.wait_focus("Enviar")
    d.key("F5")
    d.wait_mark("values-1")

    d.wait_focus("1.500,00")
    d.key("End", "shift+Home")
    d.type("-75")
    leave(d, "-75", "-75,00", key="shift+Tab")
    d.wait_focus("-1.234,50")
    d.type("1.234.567,8")
    leave(d, "1.234.567,8", "1.234.567,80")
    d.key("F5")
    d.wait_mark("values-2")

    d.wait_focus("1.234.567,80")
    d.type("12345678901")
    d.wait_focus("12345678901")
    refused(d, "Tab")
    # The focus is back in the refused field, the text as typed; F5 leaves it once more, shows
    # the box once, and sends nothing: the field has the focus again, the text still as typed.
    d.wait_focus("12345678901")
    refused(d, "F5")
    d.wait_focus("12345678901")
    d.key("End", "shift+Home")
    d.type("-99,5")
    d.wait_focus("-99,5")
    d.key("F5")
    d.wait_mark("values-3")
    d.wait_focus("99,50")
    d.key("F12")
