# The server closes in the middle of the second definition: PANT1.DAT stays as it was, byte for
# byte, and no half-written new file is left.
import pant_common as pc

OLD = pc.old_line(b"EsKRVXXX  01001", 1) + pc.old_line(b"EsKRVMEN  01001", 1) + b"EsKRVYYY  01001 tail"
DEFINITION = [b"Es", b"KRVMEN  01", b"1", b"12", b"Nombre", b"12", b"34", b"567", b"8",
              b"E", b"C", b" ", b"0", b"20", b"0", b"1", b"3", b"0"]


def setup(ctx):
    ctx.write_file("PANT1.DAT", OLD)


def dispatcher(conn):
    pc.redirect(conn)


def app(conn):
    cause = pc.first_reply(conn)
    request = conn.expect_frame()
    conn.check(request[2:3] == b"b", "update request")
    conn.send_text(pc.definition_frame(b"b", DEFINITION))
    conn.expect_frame()
    wire = conn.wire_text(pc.definition_frame(b"b", DEFINITION))
    conn.send_raw(wire[:90])
    conn.close()


def after(ctx):
    pc.check_files(ctx, OLD, "PANT1.SAV", OLD)
