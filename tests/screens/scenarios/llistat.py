"""A date and a numeric field typed with real keys, then a listing row chosen with the mouse
and a click on the listing's header; every request checked byte for byte (the date completed,
the amount sent with "." and its decimals, the header's request carrying the clicked column)."""

from korvusrv.screens import Field, Screen

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
STEP_TIMEOUT = 45
dispatcher = p.dispatcher_checking("secreto")

L = b"EsPRUEBA  01003"
DATE, AMOUNT, HEADER, ROW1, ROW2, CLOSE = 30, 31, 32, 33, 34, 14
# A short first column and a long second one: the middle of the header lies in column 2.
COLUMNS = "00000X0010N0030;Cliente\tSaldo"
ROWS = {ROW1: "Ana        " + "1.5".rjust(31), ROW2: "Bruno      " + "20.75".rjust(31)}


def screen_l():
    return Screen(L, [
        Field(DATE, "C", "Fecha", x1=20, y1=20, data="F", maxlen=10, order=1),
        Field(AMOUNT, "C", "Importe", x1=20, y1=60, data="2", maxlen=9, order=2),
        Field(HEADER, "S", "", x1=20, y1=100, x2=300, maxlen=50, action=1),
        Field(ROW1, "I", "", x1=20, y1=118, x2=300, maxlen=50, action=1),
        Field(ROW2, "I", "", x1=20, y1=134, x2=300, maxlen=50, action=1),
        Field(CLOSE, "B", "Cerrar", x1=20, y1=170, key=12, action=9, order=3, maxlen=10),
    ])


def app(conn):
    d = p.logged_in(conn, [screen_l()])
    shown = {**ROWS, HEADER: COLUMNS}
    d.send_screen(L, shown, focus=DATE)
    # The second row clicked, the focus back on the date.
    d.expect_values(ROW2, DATE, values={**shown, DATE: "05/03/2024", AMOUNT: "1234.50"})
    d.send_screen(L, {**shown, DATE: "06/03/2024", AMOUNT: "1234.50"}, focus=DATE)
    # The header clicked in its middle: the request names the column there.
    d.expect_values(HEADER, column=2, values={**shown, DATE: "06/03/2024", AMOUNT: "1234.50"})
    d.send_screen(L, {**shown, DATE: "", AMOUNT: "2"}, focus=AMOUNT)
    d.expect_closed()


def drive(d):
    d.wait_text("Cerrar", seconds=40)
    d.wait_focus("")
    d.type("5/3/24")
    d.key("Tab")
    d.wait_text("05/03/2024")
    d.wait_focus("0,00")
    d.type("1234,5")
    d.key("shift+Tab")
    d.wait_text("1234,50")
    d.wait_focus("05/03/2024")
    # A listing shows no text of its own: its place follows from the two edits' (y 20 and 60).
    left, top, _, _ = d.rect("05/03/2024")
    scale = (d.rect("1234,50")[1] - top) / 40.0
    def at(y):
        return int(top + (y - 20) * scale)
    d.click_screen(left + 40, at(142))        # second row
    d.wait_mark("values-1")
    d.wait_focus("06/03/2024")
    d.click_screen(left + 150, at(108))       # header, well inside its second column
    d.wait_mark("values-2")
    d.wait_focus("2,00")
    d.screenshot("llistat.png")
    d.key("F12")
