"""Command "z" with "# ref 912", accepted: the new installer is fetched with wget and started,
then the server's message shows in one error box and the program ends."""

import os
import shutil
import time

from korvusrv import frames

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
dispatcher = p.dispatcher_checking("secreto")
SOURCE = "http://127.0.0.1/dist/korvuc_8install.exe"
MESSAGE = "Version antigua # ref 912:" + SOURCE


def setup(ctx):
    ctx.install_standin("wget")
    ctx.install_standin("instalador")
    os.makedirs(ctx.path("fuente"))
    shutil.move(ctx.path("instalador.exe"), ctx.path("fuente/korvuc_8install.exe"))
    ctx.write_file("wget-standin.cfg", "copy fuente\\korvuc_8install.exe korvuc_8install.exe")


def app(conn):
    p.logged_in(conn)
    conn.send_text(frames.reply(p.A, {1: b"00" + MESSAGE.encode("cp1252")}, command=b"z"))
    conn.expect_closed()


def drive(d):
    d.box("Informaci*", answer=1)
    p.one_error_box(d, text=MESSAGE)


def after(ctx):
    wget = ctx.read_file("wget-standin.log").decode("cp1252").splitlines()
    ctx.check(len(wget) == 1 and SOURCE in wget[0] and "wget" in wget[0],
              "wget started as %r" % wget)
    deadline = time.monotonic() + 10
    while not os.path.exists(ctx.path("korvuc_8install-standin.log")):
        ctx.check(time.monotonic() < deadline, "the installer was not started")
        time.sleep(0.1)
