# The new file is whole but cannot take the old one's place (the client test holds PANT1.DAT
# open, letting others only read it): the update fails with its message, PANT1.DAT is as it
# was and the new file is gone.
import pant_common as pc
from korvusrv import frames

OLD = pc.old_line(b"EsKRVMEN  01001", 1)
DEFINITION = [b"Es", b"KRVMEN  01", b"1", b"12", b"Nombre", b"12", b"34", b"567", b"8",
              b"E", b"C", b" ", b"0", b"20", b"0", b"1", b"3", b"0"]


def setup(ctx):
    ctx.write_file("PANT1.DAT", OLD)


def dispatcher(conn):
    pc.redirect(conn)


def app(conn):
    cause = pc.first_reply(conn)
    pc.serve_update(conn, cause, b"b", [DEFINITION], frames.reply(pc.MENU))
    conn.expect_closed()


def after(ctx):
    pc.check_files(ctx, OLD, "PANT1.SAV", OLD)
