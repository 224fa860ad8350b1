# No PANT1.DAT yet (first run): the update takes it as empty and the file holds the server's
# lines; no copy is made of a file that is not there.
import os

import pant_common as pc
from korvusrv import frames

DEFINITIONS = [
    [b"Es", b"KRVMEN  01", b"1", b"1", b"Usuario", b"10", b"20", b"0", b"0",
     b"I", b"C", b" ", b"0", b"20", b"0", b"1", b"1", b"0"],
]
NEW = pc.line(b"EsKRVMEN  01001", 1, b"Usuario", 10, 20, 0, 0, b"IC 0", 20, b"0", b"1", 1, 0)


def dispatcher(conn):
    pc.redirect(conn)


def app(conn):
    cause = pc.first_reply(conn)
    pc.serve_update(conn, cause, b"b", DEFINITIONS, frames.reply(pc.MENU))
    conn.expect_closed()


def after(ctx):
    pc.check_files(ctx, NEW, None, None)
    ctx.check(not os.path.exists(ctx.path("PANT1.SAV")), "a copy of no file")
