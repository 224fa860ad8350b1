# Dispatcher replies that end too soon, one a connection: 1 byte, the first 49 bytes of a
# redirect's header, a redirect ending inside field 58 and one ending inside field 59. Past each
# the client's text still holds its login request; none of them may lead to the application
# server (no app side: a connection there fails the run).
import link_common
from korvusrv import frames

CONNECTIONS = {"dispatcher": 4}


def _cut_after_field(text, n):
    """The text up to the end of record field n, its separator left out."""
    at = frames.HEADER_LEN - 1
    for _ in range(n):
        at = text.index(b"\xff", at + 1)
    return text[:at]


def dispatcher(conn):
    link_common.login(conn)
    redirect = frames.redirect_reply("127.0.0.1", conn.ctx.app_port)
    bodies = [b"0", redirect[:frames.HEADER_LEN - 1],
              _cut_after_field(redirect, frames.ADDRESS_FIELD - 1) + b"\0",
              _cut_after_field(redirect, frames.ADDRESS_FIELD) + b"\0"]
    conn.send_body(bodies[conn.index - 1])  # index counts from 1
    conn.expect_closed()
