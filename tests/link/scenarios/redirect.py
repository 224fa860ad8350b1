# A normal login: the dispatcher redirects, the application server gets its reply back and
# answers with a screen.
import link_common
from korvusrv import frames


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.app_port)


def app(conn):
    link_common.first_app_frame(conn)
    conn.send_text(frames.reply(link_common.MENU, {1: b"00hola"}))
    conn.expect_closed()
