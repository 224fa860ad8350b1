"""Closing the main window: "No" to the question keeps it and deletes nothing; "Yes" deletes
from the documents folder only the files whose attributes are exactly read-only, and ends.
(This wine keeps the archive attribute on every file, so there the read-only file stays too;
which files may go is decided from the attributes the files really have.)"""

import os

import pantalles_prova as p

ARGUMENTS = p.AUTOLOGIN
dispatcher = p.dispatcher_checking("secreto")
FILES = {"solo_lectura.pdf": "1", "lectura_archivo.pdf": "0x21", "normal.pdf": "0x80"}


FOLDER = os.path.join("docs", "01")     # the company's documents folder


def setup(ctx):
    os.makedirs(ctx.path(FOLDER), exist_ok=True)
    for name in FILES:
        ctx.write_file(os.path.join(FOLDER, name), b"%PDF-1.4\n")


def app(conn):
    d = p.logged_in(conn)
    d.send_screen(p.A, {p.NAME: "listo"}, focus=p.NAME)
    # The driver meanwhile starts a probe program for each file and answers two questions.
    d.expect_closed(timeout=60)


def after(ctx):
    read = dict(line.split() for line in ctx.read_file("attributes.txt").decode().splitlines())
    expected = sorted(n for n in FILES if int(read[n], 16) != 1)
    left = sorted(os.listdir(ctx.path(FOLDER)))
    if left != expected:
        ctx.fail("documents left: %r, expected %r (attributes %r)" % (left, expected, read))


def drive(d):
    d.wait_text("Enviar", seconds=40)
    for name, value in FILES.items():
        ok, now = d.sonda("attrib", "docs\\01\\" + name, value, seconds=5)
        if not ok:
            raise d.failure("attributes of %s not set" % name)
        with open(os.path.join(d.workdir, "attributes.txt"), "a") as f:
            f.write("%s %s\n" % (name, now))
    d.sonda("close")
    d.box("KORVU", answer=7)
    d.wait_text("Enviar", seconds=5)
    if len(os.listdir(os.path.join(d.workdir, FOLDER))) != 3:
        raise d.failure("a document went although the user stayed")
    d.sonda("close")
    d.box("KORVU", answer=6)
