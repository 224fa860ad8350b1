"""What the scenarios of the definitions update share: the login and redirect, the old file the
client starts from, and the server's side of one update (request, one definition a frame, each
echoed back with its record emptied, then the frame that ends the transfer)."""

from korvusrv import frames, records

MENU = b"EsKRVMEN  01001"
PASSWORD = "s3creta"


def redirect(conn):
    conn.check_login(conn.expect_frame(), user="ana", password=PASSWORD, company="01", language="Es")
    text = frames.redirect_reply("127.0.0.1", conn.ctx.app_port)
    conn.ctx.redirect_text = text
    conn.send_text(text)
    conn.expect_closed()


def first_reply(conn, command=b"1"):
    """The application server's first reply, naming the menu: it makes the client update."""
    conn.check(conn.expect_frame() == conn.ctx.redirect_text, "first frame")
    text = frames.reply(MENU, command=command)
    conn.send_text(text)
    return text


def line(ident, code, text, x1, y1, x2, y2, letters, length, variant, action, order, page):
    """A definition line as the client must write it: 131 columns and CR LF."""
    out = (ident + b"%03d" % code + text.ljust(80)[:80] + b"%04d%04d%04d%04d" % (x1, y1, x2, y2)
           + letters + b"%05d" % length + variant + action + b"%03d%03d" % (order, page))
    assert len(out) == 131, len(out)
    return out + b"\r\n"


def old_line(ident, code):
    return line(ident, code, b"Antigua", 1, 2, 0, 0, b"ET 0", 0, b"0", b"0", 0, 0)


def definition_frame(lead_byte, fields, screen=MENU):
    """A frame of one definition: byte 2 is the transfer's letter, the record its 18 fields."""
    return frames.text_header(screen, lead=b"\xfe0" + lead_byte) + records.join(fields)


def serve_update(conn, cause, lead_byte, definitions, end):
    """The request that the reply `cause` turned into, each definition with its echo, `end`."""
    request = conn.expect_frame()
    want = cause[:2] + lead_byte + cause[3:44] + b"001" + cause[47:]
    conn.check(request == want, "update request %s, expected %s" % (
        records.show(request[:60]), records.show(want[:60])))
    for fields in definitions:
        text = definition_frame(lead_byte, fields)
        conn.send_text(text)
        echo = conn.expect_frame()
        conn.check(echo == text[:50], "echo %s, expected the header %s" % (
            records.show(echo[:70]), records.show(text[:50])))
    conn.send_text(end)


def check_files(ctx, expected, copy_name, copy):
    got = ctx.read_file("PANT1.DAT")
    ctx.check(got == expected, "PANT1.DAT:\n%s\nexpected:\n%s" % (records.show(got), records.show(expected)))
    if copy_name:
        ctx.check(ctx.read_file(copy_name) == copy, "%s is not the old file" % copy_name)
    ctx.check(not _exists(ctx, "PANT1.NEW"), "PANT1.NEW left behind")


def _exists(ctx, name):
    import os
    return os.path.exists(ctx.path(name))
