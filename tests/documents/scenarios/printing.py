# Command 3 with the printing modes: a raw job and direct jobs (a receipt and a cash drawer)
# printed on the test printers, an RTF listing exported and opened; each failure shows its box
# and the exchange goes on, and a row that never ends its column definitions ends it.
import docs_common as dc

RAW = b"0EKorvuSortidaRaw\n~\n#+027@~\nLinea \xe9\x1a\xff\r~\n"
RAW_NO_PRINTER = b"0ENoExiste\n~\nuno~\n"
TICKET = b"01LKorvuSortidaTicket#\r\nHola\x01\nFin\x01\n"
DRAWER = b"01AKorvuSortidaCajon#\r\n"
TICKET_NO_PRINTER = b"01LNoExiste#\r\nHola\x01\n"
LISTING = (b"AListado {1} \\ \xe9\x01BNombre     Importe\x01E\x01"
           b"D00000X0010N0005;Nombre\t12\x01D00000X0010N0005;Otro\t7\x01")
LISTING_UNKNOWN_KIND = b"AListado\x01Cno\x01"
LISTING_ENDLESS_ROW = b"AListado\x01D00000X0010\x01"


def dispatcher(conn):
    dc.redirect(conn)


def setup(ctx):
    import os
    for d in ("docs/01", "tmp", "ficheros/01"):
        os.makedirs(ctx.path(d), exist_ok=True)


def app(conn):
    dc.first_frame(conn)
    for mode, data in ((b"d", RAW), (b"d", RAW_NO_PRINTER), (b"c", TICKET), (b"c", DRAWER),
                       (b"c", TICKET_NO_PRINTER), (b"a", LISTING), (b"a", LISTING_UNKNOWN_KIND),
                       (b"a", LISTING_ENDLESS_ROW)):
        what = "command 3 %r %r" % (mode, data[:12])
        conn.send_text(dc.command(b"3", mode))
        dc.expect_answer(conn, b"0", what)
        dc.send_file(conn, data, what)
    # The last listing's "#ref 052" ends the exchange.
    conn.expect_closed()
