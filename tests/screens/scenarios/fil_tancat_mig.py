"""The application server closes in the middle of its reply: one error box, a clean end."""

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
dispatcher = p.dispatcher_checking("secreto")


def app(conn):
    d = p.logged_in(conn)
    wire = conn.wire_text(d.reply_text(p.screen_a(), {p.NAME: "x"}))
    conn.send_raw(wire[:len(wire) // 2])
    conn.close()


def drive(d):
    p.one_error_box(d)
