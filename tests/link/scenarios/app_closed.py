# The dispatcher redirects to a port where nothing listens.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import link_common  # noqa: E402


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.closed_port)
