"""Ctrl+L while the client log cannot be opened (a folder holds its name): one error box says
so, no box claims that the log is on, and the program goes on: the next exchange runs, and the
log stays off."""

import os

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
dispatcher = p.dispatcher_checking("secreto")
TEXT = "Error #ref 068,  escribiendo log"


def setup(ctx):
    os.mkdir(ctx.path("korvucli.log"))


def app(conn):
    d = p.logged_in(conn)
    # The request comes only after the driver has answered the box and watched for others.
    conn.timeout = 60
    d.send_screen(p.A, {p.NAME: "listo"}, focus=p.NAME)
    d.expect_values(p.SEND, p.SEND, values={p.NAME: "listo"})
    d.send_screen(p.A, {p.NAME: "sigue"}, focus=p.NAME)
    d.expect_closed()


def drive(d):
    d.wait_text("Enviar", seconds=40)
    d.activate()
    d.wait_focus("listo")
    d.key("ctrl+l")
    p.one_error_box(d, text=TEXT)
    ok, more = d.sonda("box", "Aviso", seconds=2)
    if ok:
        raise d.failure("a box after the failure: %r" % more)
    d.activate()
    d.key("F5")
    d.wait_mark("values-1")
    d.wait_focus("sigue")
    d.key("F12")


def after(ctx):
    ctx.check(os.path.isdir(ctx.path("korvucli.log")), "korvucli.log is no longer the folder")
    ctx.check(not os.listdir(ctx.path("korvucli.log")), "something was written in the folder")
