# The dispatcher has no application server for the client: field 59 reads "error".
import link_common
from korvusrv import frames


def dispatcher(conn):
    link_common.login(conn)
    conn.send_text(frames.unavailable_reply())
    conn.expect_closed()
