"""A document command that fails with a message ends the exchange: a java report whose name
would leave the temporary folder is acknowledged, then "Error #ref 025" shows in one error box
and the program ends without receiving it."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "documents", "scenarios"))

import docs_common as dc  # noqa: E402
import pantalles_prova as p  # noqa: E402

ARGUMENTS = p.AUTOLOGIN
dispatcher = p.dispatcher_checking("secreto")


def app(conn):
    p.logged_in(conn)
    conn.send_text(dc.command(b"3", b"i", b"..\\r.xml"))
    dc.expect_answer(conn, b"0", "command 3 i")
    conn.expect_closed()


def drive(d):
    p.one_error_box(d, text="Error #ref 025, error creando temporal")


def after(ctx):
    ctx.check(not os.path.exists(ctx.path("r.xml")), "r.xml was written")
