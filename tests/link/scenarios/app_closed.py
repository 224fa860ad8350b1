# The dispatcher redirects to a port where nothing listens.
import link_common


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.closed_port)
