# The application server closes in the middle of its reply.
import link_common
from korvusrv import frames


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.app_port)


def app(conn):
    link_common.first_app_frame(conn)
    wire = conn.wire_text(frames.reply(link_common.MENU))
    conn.send_raw(wire[:100])
    conn.close()
