# The configured dispatcher refuses; the address service (the wget stand-in) names the real one,
# the client logs in there and writes the new address and port into korvuc.cfg.
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "link", "scenarios"))

import link_common  # noqa: E402
from korvusrv import frames  # noqa: E402


def url(ctx):
    return "http://127.0.0.1:%d/svc" % ctx.closed_port


def config(ctx):
    return {"acceso_remoto": "si", "servidor_ext": "localhost", "port": "%05d" % ctx.closed_port,
            "ipdin": url(ctx)}


def setup(ctx):
    ctx.install_standin("wget")
    ctx.write_file("wget-standin.cfg", "write 127.0.0.1;%d;\r\n" % ctx.dispatcher_port)


def dispatcher(conn):
    link_common.login(conn)
    conn.send_text(frames.direct_reply(link_common.MENU))
    conn.expect_closed()


def after(ctx):
    log = ctx.read_file("wget-standin.log").decode("cp1252").splitlines()
    ctx.check(log == ['wget "%s/vintuip"' % url(ctx)], "wget command lines: %r" % log)
    ctx.check(ctx.read_file("korvuc.cfg.sav") == ctx.config_text,
              "korvuc.cfg.sav is not the file as it was")
    lines = ctx.read_file("korvuc.cfg").decode("cp1252").splitlines()
    ctx.check("servidor_ext=127.0.0.1;" in lines, "servidor_ext not rewritten: %r" % lines)
    ctx.check("port=%05d;" % ctx.dispatcher_port in lines, "port not rewritten: %r" % lines)
    ctx.check("ipdin=%s;" % url(ctx) in lines, "other lines changed: %r" % lines)
