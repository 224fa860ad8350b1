# The dispatcher answers the login itself: no application server.
import link_common
from korvusrv import frames


def dispatcher(conn):
    link_common.login(conn)
    conn.send_text(frames.direct_reply(link_common.MENU, {3: b"10directo"}))
    conn.expect_closed()
