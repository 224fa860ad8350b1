# The dispatcher has no application server for the client: field 59 reads "error".
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import link_common  # noqa: E402
from korvusrv import frames  # noqa: E402


def dispatcher(conn):
    link_common.login(conn)
    conn.send_text(frames.unavailable_reply())
    conn.expect_closed()
