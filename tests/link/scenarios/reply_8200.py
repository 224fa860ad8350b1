# A reply that fills the wire buffer exactly: 8,196 characters, its NUL and the header, sent in
# chunks of 1,460 bytes.
import link_common
from korvusrv import frames


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.app_port)


def app(conn):
    link_common.first_app_frame(conn)
    text = frames.reply(link_common.MENU)
    text += b"z" * (8196 - len(text))
    wire = conn.wire_text(text)
    conn.check(len(wire) == 8200, "the frame is %d bytes" % len(wire))
    conn.send_raw(wire, chunks=1460, delay=0.01)
    link_common.expect_echo(conn, text)
    conn.expect_closed()
