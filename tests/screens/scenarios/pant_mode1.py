# Mode 1: the lines of series X, two screens of the requested series, the lines of series Y.
# The new file holds X, the server's lines (cut to their columns whatever was sent), then Y.
import pant_common as pc
from korvusrv import frames

X = pc.old_line(b"EsKRVXXX  01001", 1) + pc.old_line(b"EsKRVXXX  01001", 2)
SERIES = pc.old_line(b"EsKRVMEN  01001", 1) + pc.old_line(b"EsKRVMEN  01002", 1)
Y = pc.old_line(b"EsKRVYYY  01001", 1)
OLD = X + SERIES + Y

DEFINITIONS = [
    [b"Es", b"KRVMEN  01", b"1", b"12", b"Nombre", b"12", b"34", b"567", b"8",
     b"E", b"C", b" ", b"0", b"20", b"0", b"1", b"3", b"0"],
    [b"Es", b"KRVMEN  01", b"1", b"50", b"Uno\r\n" + b"x" * 95, b"", b"", b"", b"",
     b"", b"N", b"", b"", b"", b"", b"", b"1234", b"1"],
]
NEW = (pc.line(b"EsKRVMEN  01001", 12, b"Nombre", 12, 34, 567, 8, b"EC 0", 20, b"0", b"1", 3, 0)
       + pc.line(b"EsKRVMEN  01001", 50, b"Uno  " + b"x" * 75, 0, 0, 0, 0, b" N  ", 0, b" ", b" ", 123, 1))
END = frames.reply(pc.MENU, number=0)


def setup(ctx):
    ctx.write_file("PANT1.DAT", OLD)


def dispatcher(conn):
    pc.redirect(conn)


def app(conn):
    cause = pc.first_reply(conn)
    pc.serve_update(conn, cause, b"b", DEFINITIONS, END)
    conn.expect_closed()


def after(ctx):
    pc.check_files(ctx, X + NEW + Y, "PANT1.SAV", OLD)
