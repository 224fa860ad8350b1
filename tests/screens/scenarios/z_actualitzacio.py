"""Command "z" with "# ref 912": the self-update is offered first; declined, nothing is fetched,
the update error is shown in one error box and the program ends."""

from korvusrv import frames

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
dispatcher = p.dispatcher_checking("secreto")
MESSAGE = "Version antigua # ref 912:http://127.0.0.1/dist/korvuc_install.exe"


def app(conn):
    p.logged_in(conn)
    conn.send_text(frames.reply(p.A, {1: b"00" + MESSAGE.encode("cp1252")}, command=b"z"))
    conn.expect_closed()


def drive(d):
    d.box("Informaci*", answer=2)
    p.one_error_box(d, text="Error #ref 049, error actualizando aplicación")


def setup(ctx):
    ctx.install_standin("wget")


def after(ctx):
    import os
    ctx.check(not os.path.exists(ctx.path("wget-standin.log")), "wget was started")
