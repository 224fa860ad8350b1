"""What the link scenarios share: the login the tests write and the dispatcher's redirect."""

from korvusrv import frames

PASSWORD = "s3creta"
MENU = b"EsKRVMEN  01001"


def login(conn):
    """The login request, checked field by field."""
    text = conn.expect_frame()
    conn.check_login(text, user="ana", password=PASSWORD, company="01", language="Es",
                     codepage="1252", group="", version="2.3.045", debug_mask=0x80)
    return text


def redirect(conn, port):
    """Dispatcher: the login, a redirect to `port`, then the client must close."""
    login(conn)
    text = frames.redirect_reply("127.0.0.1", port)
    # Kept before it is sent: the application server is reached only through this reply.
    conn.ctx.redirect_text = text
    conn.send_text(text)
    conn.expect_closed()


def first_app_frame(conn):
    """Application server: the first frame is the dispatcher's reply, byte for byte."""
    frame = conn.expect_raw_frame()
    sent = conn.ctx.redirect_text
    conn.check(frame.flag == 0, "flag 0x%02X on the first frame" % frame.flag)
    conn.check(frame.body == sent + b"\0",
               "the first frame is not the dispatcher's reply followed by its NUL")
    conn.check(frame.total == len(sent) + 4, "total %d for a text of %d" % (frame.total, len(sent)))


def expect_echo(conn, text):
    """The client sends back, unchanged, the reply text it assembled."""
    echo = conn.expect_frame()
    conn.check(echo == text, "the reply came back as %d bytes differing from byte %s" % (
        len(echo), next((i for i, (a, b) in enumerate(zip(echo, text)) if a != b),
                        min(len(echo), len(text)))))
