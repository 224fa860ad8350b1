"""The application server closes before it replies: one error box and a clean end."""

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
dispatcher = p.dispatcher_checking("secreto")


def app(conn):
    p.logged_in(conn)
    conn.close()


def drive(d):
    p.one_error_box(d)
