"""Screens and steps shared by the end-to-end scenarios of the dialogue: a small screen series
"EsPRUEBA  01" that the server sends as definitions, and a dispatcher that checks the login
request byte for byte before sending the client on."""

from korvusrv import frames
from korvusrv.dialogue import Dialogue
from korvusrv.screens import Field, Screen

A = b"EsPRUEBA  01001"
B = b"EsPRUEBA  01002"
CODE, NAME, SEND, OTHER, CLOSE, ACTIVE, TIMER = 10, 11, 12, 13, 14, 15, 24
DATA, BACK = 20, 21


def screen_a(code_label="Código", code_len=8):
    return Screen(A, [
        Field(CODE, "C", code_label, x1=20, y1=20, maxlen=code_len, order=1, action=1),
        Field(NAME, "C", "Nombre", x1=20, y1=60, maxlen=20, order=2),
        Field(ACTIVE, "K", "Activo", x1=20, y1=100, order=3),
        Field(SEND, "B", "Enviar", x1=20, y1=140, key=5, action=1, order=4, maxlen=10),
        Field(OTHER, "B", "Otra", x1=120, y1=140, key=6, action=1, order=5, maxlen=10),
        Field(CLOSE, "B", "Cerrar", x1=220, y1=140, key=12, action=9, order=6, maxlen=10),
        Field(TIMER, " ", "", x1=20, y1=180, x2=200, maxlen=30),
    ])


def screen_b():
    return Screen(B, [
        Field(DATA, "C", "Dato", x1=20, y1=20, maxlen=10, order=1),
        Field(BACK, "B", "Volver", x1=20, y1=60, key=3, action=1, order=2, maxlen=10),
    ])


def dispatcher_checking(password, **more):
    def dispatcher(conn):
        conn.check_login(conn.expect_frame(), user="ana", company="01", language="Es",
                         password=password, codepage="1252", group="", version="2.3.045",
                         debug_mask=0x80, **more)
        conn.send_text(frames.redirect_reply("127.0.0.1", conn.ctx.app_port))
        conn.expect_closed()
    return dispatcher


def logged_in(conn, screens=None):
    """The application server's side of the first frame; a dialogue over the test screens."""
    conn.check(conn.expect_frame() == conn.ctx.last_sent("dispatcher"), "first frame")
    return Dialogue(conn, screens or [screen_a(), screen_b()])


def login_typed(d, password):
    """At the login screen: the password typed, the focus moved to "Aceptar", Enter."""
    d.wait_window()
    d.wait_text("Aceptar")
    d.activate()
    d.type(password)
    d.move_focus_to("Aceptar")
    d.key("Return")


AUTOLOGIN = ["/i", "ana,01,Es,secreto,"]


def one_error_box(d, starts="Error #ref ", text=None):
    """Exactly one error box with this text, answered; no second one follows."""
    got = d.box("Korvuc Error")
    if text is not None and got != text:
        raise d.failure("error box %r, expected %r" % (got, text))
    if text is None and not got.startswith(starts):
        raise d.failure("error box %r, expected one beginning %r" % (got, starts))
    ok, more = d.sonda("box", "Korvuc Error", seconds=2)
    if ok:
        raise d.failure("a second error box: %r" % more)
