# The application server's reply comes in small chunks, a few milliseconds apart.
import link_common
from korvusrv import frames


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.app_port)


def app(conn):
    link_common.first_app_frame(conn)
    text = frames.reply(link_common.MENU, {1: b"00hola", 90: b"10" + bytes(range(1, 255))})
    wire = conn.wire_text(text)
    conn.send_raw(wire, chunks=[1, 1, 1, 2, 3, 5, 8, 13, 21, 34], delay=0.02)
    link_common.expect_echo(conn, text)
    conn.expect_closed()
