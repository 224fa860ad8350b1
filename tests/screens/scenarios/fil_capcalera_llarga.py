"""A reply header announcing more than a frame can hold: one error box, a clean end."""

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
dispatcher = p.dispatcher_checking("secreto")


def app(conn):
    p.logged_in(conn)
    conn.send_header_only(9000)
    conn.expect_closed()


def drive(d):
    p.one_error_box(d)
