"""Bench server: logs the client in onto the demo search screen, then answers every frame with
the same reply, whatever asked for it, so the exchange and the bare round trip cost the server
the same."""

from korvusrv import demo, frames
from korvusrv.dialogue import Dialogue

STEP_TIMEOUT = 60
CONFIG = {"intermens": "0"}


def dispatcher(conn):
    conn.expect_frame()
    conn.send_text(frames.redirect_reply("127.0.0.1", conn.ctx.app_port))
    conn.expect_closed()


def app(conn):
    from korvusrv.harness import ConnectionClosed
    conn.expect_frame()
    d = Dialogue(conn, demo.screens())
    company = demo.Company(clock=lambda: "12:00:00")
    reply = d.send_screen(demo.SEARCH, company.search_values(), focus=demo.FILTER)
    d.next_frame()      # serves the definitions when asked; the first request
    conn.send_text(reply)
    try:
        while True:
            conn.expect_frame(timeout=60)
            conn.send_text(reply)
    except ConnectionClosed:
        pass
