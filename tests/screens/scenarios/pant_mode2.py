# Mode 2 with language "Es": the server's lines, then the old lines of every other language.
import pant_common as pc
from korvusrv import frames

OLD = (pc.old_line(b"EsKRVXXX  01001", 1) + pc.old_line(b"CaKRVXXX  01001", 1)
       + pc.old_line(b"EsKRVMEN  01001", 1) + pc.old_line(b"CaKRVMEN  01001", 2))
DEFINITIONS = [
    [b"Es", b"KRVNUE  01", b"7", b"1", b"Nueva", b"1", b"1", b"0", b"0",
     b"E", b"K", b"B", b"0", b"0", b"0", b"1", b"1", b"0"],
]
NEW = pc.line(b"EsKRVNUE  01007", 1, b"Nueva", 1, 1, 0, 0, b"EKB0", 0, b"0", b"1", 1, 0)
END = frames.reply(pc.MENU, command=b"0")


def setup(ctx):
    ctx.write_file("PANT1.DAT", OLD)


def dispatcher(conn):
    pc.redirect(conn)


def app(conn):
    cause = pc.first_reply(conn, command=b"2")
    pc.serve_update(conn, cause, b"c", DEFINITIONS, END)
    conn.expect_closed()


def after(ctx):
    pc.check_files(ctx, NEW + OLD[133:266] + OLD[399:], "PANT1.OLD", OLD)
