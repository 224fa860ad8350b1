# A normal login: the dispatcher redirects, the application server gets its reply back and
# answers with a screen.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import link_common  # noqa: E402
from korvusrv import frames  # noqa: E402


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.app_port)


def app(conn):
    link_common.first_app_frame(conn)
    conn.send_text(frames.reply(link_common.MENU, {1: b"00hola"}))
    conn.expect_closed()
