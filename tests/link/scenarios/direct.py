# The dispatcher answers the login itself: no application server.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import link_common  # noqa: E402
from korvusrv import frames  # noqa: E402


def dispatcher(conn):
    link_common.login(conn)
    conn.send_text(frames.direct_reply(link_common.MENU, {3: b"10directo"}))
    conn.expect_closed()
