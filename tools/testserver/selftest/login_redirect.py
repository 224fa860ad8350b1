# A redirect login: the dispatcher answers the login request with the application server's
# address, and the application server must get that reply back as its first frame.
from korvusrv import frames


def dispatcher(conn):
    text = conn.expect_frame()
    conn.check_login(text, user="ana", password="secreto", company="01", language="Es")
    # In pieces, to show the client's reader copes with partial delivery.
    conn.send_text(frames.redirect_reply("127.0.0.1", conn.ctx.app_port), chunks=[1, 2, 60])
    conn.expect_closed()


def app(conn):
    first = conn.expect_frame()
    conn.check(first == conn.ctx.last_sent("dispatcher"),
               "the first frame is not the dispatcher's reply")
    conn.send_text(frames.reply(b"EsKRVMEN  01001", {1: b"00hola"}))
    conn.expect_closed()
